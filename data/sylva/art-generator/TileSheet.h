#pragma once

#include "Canvas.h"

// Paints the 512 x 512 tile sheet of Sylva: 16 x 16 cells of 32 x 32.
// TileSheetLayout.md beside the generated picture says which cell is what.
Canvas PaintTileSheet();
