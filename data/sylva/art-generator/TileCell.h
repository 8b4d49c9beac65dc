#pragma once

#include "Canvas.h"

// What the painters of the tile sheet share: the cell size and a 32 x 32
// window on the sheet.
namespace tiles {

constexpr int kCell = 32;
constexpr float kPi = 3.14159265f;

// A 32 x 32 window on the sheet: cell (column, row).
struct Tile {
    Canvas& sheet;
    int x0, y0;
    void Set(int x, int y, Rgba c) const { sheet.Set(x0 + (x & 31), y0 + (y & 31), c); }
    void Blend(int x, int y, Rgba c) const {
        if (x >= 0 && y >= 0 && x < kCell && y < kCell) sheet.Blend(x0 + x, y0 + y, c);
    }
    Rgba Get(int x, int y) const { return sheet.Get(x0 + x, y0 + y); }
};

inline Tile At(Canvas& sheet, int column, int row) {
    return Tile{sheet, column * kCell, row * kCell};
}

// Copies cell (pictureColumn, pictureRow) of a picture into cell (column, row).
void CutInto(Canvas& sheet, const Canvas& picture, int pictureColumn, int pictureRow, int column, int row);
// A free-standing object on a transparent cell, outlined.
template <typename Paint>
void PaintObject(Canvas& sheet, int column, int row, Paint paint) {
    Canvas object(32, 32);
    paint(object);
    object.Outline(0, 0, 32, 32, Hex(0x241c2c));
    sheet.Paste(object, column * kCell, row * kCell);
}

}  // namespace tiles
