#pragma once

#include "Canvas.h"

// Paints the 512 x 512 tile sheet of Sylva: 16 x 16 cells of 32 x 32.
// data/sylva/art/TileSheetLayout.md says which cell is what.
Canvas PaintTileSheet();
