#pragma once

#include "Canvas.h"
#include "Looks.h"

// Paints a 128 x 128 character sheet in the engine's layout: four rows of
// 32 pixels (from the top: facing up, right, down, left), three walking
// frames of 24 pixels each (the engine widens them to 32), and the
// portrait in the top-right 48 x 48 pixels.
Canvas PaintCharacterSheet(const Look& look);
