#pragma once

#include "Canvas.h"

// The moonflower as a character sheet, so that a script can show it picked:
// facing up it is only leaves, facing any other way it is in bloom. The
// sheet's rows are the engine's (up, right, down, left), three frames of 24
// pixels each, which the game stretches back to 32.
Canvas PaintMoonflowerSheet();
