#include "MoonflowerSheet.h"

#include "GroundTiles.h"

using namespace tiles;

Canvas PaintMoonflowerSheet() {
    Canvas sheet(128, 128);
    for (int row = 0; row < 4; ++row) {
        Canvas cell(32, 32);
        PaintMoonflowerPlant(Tile{cell, 0, 0}, row != 0);
        // Squeezed into the 24-pixel frame the game widens to 32 again.
        for (int frame = 0; frame < 3; ++frame)
            for (int y = 0; y < 32; ++y)
                for (int x = 0; x < 24; ++x)
                    sheet.Set(frame * 24 + x, row * 32 + y, cell.Get(x * 32 / 24, y));
    }
    return sheet;
}
