#include "BuildingTiles.h"

#include <array>
#include <cmath>
#include <utility>

#include "FoliageTiles.h"
#include "GroundTiles.h"
#include "Palette.h"

using namespace palette;

namespace tiles {

// ---- buildings ----------------------------------------------------------

// A roof seen from the front, three rows deep: ridge, slope, eaves. Each row
// has a left end, a middle and a right end.
void PaintRoof(Canvas& sheet, int column, int row, Rgba base, Rgba dark, Rgba light) {
    for (int part = 0; part < 3; ++part) {      // ridge, slope, eaves
        for (int side = 0; side < 3; ++side) {  // left, middle, right
            Tile t = At(sheet, column + part * 3 + side, row);
            for (int y = 0; y < kCell; ++y) {
                for (int x = 0; x < kCell; ++x) {
                    int gy = part * kCell + y;  // depth into the roof
                    // Shingles: rows of 8 pixels, staggered by half a shingle.
                    int shingleRow = gy / 8, within = gy % 8;
                    int sx = (x + (shingleRow % 2) * 4) % 8;
                    Rgba c = within == 7 ? dark : within == 0 ? light : base;
                    if (sx == 0 && within != 7) c = Shade(base, 0.82f);
                    if (part == 0 && y < 6) c = y < 2 ? outline : y < 4 ? dark : light;  // ridge cap
                    if (part == 2 && y >= 26) c = y >= 30 ? outline : Shade(dark, 0.8f);  // eaves and shadow
                    if (side == 0 && x < 3) c = x == 0 ? outline : dark;
                    if (side == 2 && x > 28) c = x == 31 ? outline : dark;
                    t.Set(x, y, c);
                }
            }
        }
    }
}

// Timber-framed walls, two rows: the upper row under the eaves and the lower
// row on the ground. Cells: upper left, middle, window, right, door top;
// lower left, middle, flower box, door, right.
void PaintWalls(Canvas& sheet, int column, int row) {
    auto wall = [&](const Tile& t, bool lower, int side) {
        for (int y = 0; y < kCell; ++y)
            for (int x = 0; x < kCell; ++x) {
                Rgba c = (y % 8 == 7 && x % 16 == int(y / 8 % 2) * 8) ? plasterShade : plaster;
                if (!lower && y < 4) c = Shade(plasterShade, 0.8f);  // under the eaves
                if (lower && y >= 26) c = (x % 8 == 0 || y == 26) ? stoneDark : stone;  // footing
                if (lower && y == 31) c = outline;
                t.Set(x, y, c);
            }
        if (side != 1) {
            int bx = side == 0 ? 0 : 27;
            for (int y = 0; y < (lower ? 26 : 32); ++y)
                for (int x = bx; x < bx + 5; ++x) t.Set(x, y, (x == bx || x == bx + 4) ? outline : timber);
        }
        if (!lower) {
            for (int x = 0; x < kCell; ++x) t.Set(x, 4, timber);
        } else {
            for (int x = 0; x < kCell; ++x) t.Set(x, 25, timber);
        }
    };
    auto window = [&](const Tile& t, int top) {
        for (int y = top; y < top + 14; ++y)
            for (int x = 8; x < 24; ++x) {
                bool frame = x < 10 || x > 21 || y < top + 2 || y > top + 11 || x == 15 || x == 16;
                Rgba c = frame ? timber : (x - 10 + y - top < 7 ? glass : glassDark);
                t.Set(x, y, c);
            }
        for (int x = 7; x < 25; ++x) t.Set(x, top + 14, outline);
    };
    for (int part = 0; part < 2; ++part) {
        bool lower = part == 1;
        Tile left = At(sheet, column + part * 5, row), middle = At(sheet, column + part * 5 + 1, row);
        Tile third = At(sheet, column + part * 5 + 2, row), right = At(sheet, column + part * 5 + 4, row);
        Tile doorCell = At(sheet, column + part * 5 + (lower ? 3 : 4), row);
        Tile extra = At(sheet, column + part * 5 + (lower ? 4 : 3), row);
        wall(left, lower, 0);
        wall(middle, lower, 1);
        wall(third, lower, 1);
        if (lower) {
            wall(right, lower, 2);  // column + 9
            wall(doorCell, lower, 1);
        } else {
            wall(extra, lower, 2);  // column + 3: right end
            wall(doorCell, lower, 1);
        }
        if (!lower) {
            window(third, 9);
        } else {
            // Flower box under a low window.
            window(third, 4);
            for (int x = 6; x < 26; ++x) {
                third.Set(x, 19, woodDark);
                third.Set(x, 20, wood);
                third.Set(x, 21, woodDark);
            }
            for (int x = 8; x < 24; x += 3) {
                third.Set(x, 18, x % 2 ? red : yellow);
                third.Set(x + 1, 17, leafLight);
            }
        }
    }
    // The door: its arch in the upper row, its leaf in the lower row.
    Tile doorTop = At(sheet, column + 4, row), door = At(sheet, column + 8, row);
    for (int y = 20; y < kCell; ++y)
        for (int x = 6; x < 26; ++x) {
            float dx = (x + 0.5f - 16) / 10, dy = (y + 0.5f - 30) / 9;
            if (dx * dx + dy * dy <= 1 || y >= 30) {
                bool rim = dx * dx + dy * dy > 0.6f;
                doorTop.Set(x, y, rim ? timber : woodDark);
            }
        }
    for (int y = 0; y < 31; ++y)
        for (int x = 6; x < 26; ++x) {
            Rgba c = (x == 6 || x == 25) ? timber : (x % 5 == 0 ? woodDark : wood);
            if (y >= 26) c = (x == 6 || x == 25) ? timber : woodDark;
            door.Set(x, y, c);
        }
    door.Set(21, 14, yellow);
    door.Set(21, 15, orange);
}

void PaintChimney(Canvas& sheet, int column, int row) {
    Canvas c(32, 32);
    FillShaded(c, 10, 6, 12, 24, [](int x, int y) { return x >= 10 && x < 22 && y >= 6 && y < 30; },
               ShadedShape{stone, stoneDark, stoneLight});
    for (int y = 10; y < 30; y += 5) c.FillRect(10, y, 12, 1, stoneDark);
    c.FillRect(9, 4, 14, 3, stoneDark);
    c.Outline(0, 0, 32, 32, outline);
    // Smoke.
    c.FillEllipse(18, 2.5f, 3, 2, Rgba{230, 230, 240, 140});
    sheet.Paste(c, column * kCell, row * kCell);
}

void PaintWell(Canvas& sheet, int column, int row) {
    Canvas c(32, 64);
    // Roof on two posts (top cell, layer 2), stone basin (bottom cell).
    FillShaded(c, 2, 4, 28, 12, [](int x, int y) { return y >= 4 && y < 16 && std::abs(x + 0.5f - 16) <= 4 + (y - 4) * 1.0f; },
               ShadedShape{roofRed, roofRedDark, roofRedLight});
    for (int px : {5, 25}) c.FillRect(px, 16, 3, 26, wood);
    c.Line(8, 27, 24, 27, woodDark);
    c.FillRect(15, 27, 2, 8, barkDark);
    c.FillRect(14, 34, 4, 4, wood);
    FillShaded(c, 3, 38, 26, 22, [](int x, int y) { return x >= 3 && x < 29 && y >= 40 && y < 58; },
               ShadedShape{stone, stoneDark, stoneLight});
    for (int y = 44; y < 58; y += 5) c.FillRect(3, y, 26, 1, stoneDark);
    c.FillEllipse(16, 41, 12, 3, waterDeep);
    c.Outline(0, 0, 32, 64, outline);
    Canvas ground(32, 32);
    CutInto(sheet, c, 0, 0, column, row);
    Tile bottom = At(sheet, column + 1, row);
    PaintGrass(bottom, 61, 4);
    Canvas lower(32, 32);
    lower.Paste(c, 0, -32);
    sheet.Paste(lower, (column + 1) * kCell, row * kCell);
}

// ---- interiors ----------------------------------------------------------

void PaintFloor(const Tile& t, int salt) {
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x) {
            int plank = y / 8, offset = (plank * 13 + salt) % 32;
            Rgba c = floorWood;
            if (y % 8 == 7) c = floorGap;
            else if (y % 8 == 0) c = floorLight;
            else if ((x + offset) % 32 == 0) c = floorGap;
            else if (Noise01(x, y, salt) < 0.05f) c = Shade(floorWood, 0.9f);
            t.Set(x, y, c);
        }
}

void PaintRug(const Tile& t) {
    PaintFloor(t, 3);
    for (int y = 2; y < 30; ++y)
        for (int x = 2; x < 30; ++x) {
            bool border = x < 5 || x > 26 || y < 5 || y > 26;
            bool diamond = std::abs(x - 16) + std::abs(y - 16) < 8;
            t.Set(x, y, border ? Hex(0x7c2c3c) : diamond ? yellow : Hex(0xb0404c));
        }
}

void PaintStoneFloor(const Tile& t) {
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x) {
            int row = y / 16, sx = (x + row * 8) % 16;
            Rgba c = (y % 16 == 15 || sx == 15) ? stoneDark : (y % 16 == 0 || sx == 0) ? stoneLight : stone;
            t.Set(x, y, c);
        }
}

void PaintWallTop(const Tile& t) {
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x) t.Set(x, y, (x + y) % 6 == 0 ? Shade(wallTop, 1.15f) : wallTop);
}

void PaintBackWall(const Tile& t, bool upper) {
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x) {
            Rgba c = (x % 8 < 4) ? wallpaper : wallpaperStripe;
            if (upper && y < 3) c = timber;
            if (!upper) {
                if (y >= 10) c = (x % 6 == 0) ? woodDark : wood;   // wainscot
                if (y == 10 || y == 11) c = woodLight;
                if (y >= 29) c = woodDark;
            }
            t.Set(x, y, c);
        }
}

void PaintBackWindow(const Tile& t) {
    PaintBackWall(t, true);
    for (int y = 8; y < 30; ++y)
        for (int x = 7; x < 25; ++x) {
            bool frame = x < 9 || x > 22 || y < 10 || x == 15 || x == 16 || y == 19;
            t.Set(x, y, frame ? timber : (x + y < 32 ? glass : Hex(0x6aa0d0)));
        }
}

void PaintShelf(const Tile& t) {
    PaintBackWall(t, false);
    for (int x = 2; x < 30; ++x) {
        t.Set(x, 6, woodDark);
        t.Set(x, 5, woodLight);
    }
    Rgba bottles[] = {red, Hex(0x4a9a5a), glass, yellow, violet};
    for (int i = 0; i < 5; ++i) {
        int x = 4 + i * 5;
        for (int y = 0; y < 4; ++y) t.Set(x, 4 - y, bottles[i]);
        t.Set(x + 1, 4, bottles[i]);
        t.Set(x + 1, 3, Shade(bottles[i], 0.7f));
        t.Set(x, 0, outline);
    }
}

void PaintFireplace(Canvas& sheet, int column, int row) {
    Canvas c(32, 64);
    FillShaded(c, 0, 0, 32, 64, [](int x, int y) { return x >= 2 && x < 30 && y >= 4; },
               ShadedShape{stone, stoneDark, stoneLight});
    for (int y = 8; y < 64; y += 6)
        for (int x = 2 + (y / 6 % 2) * 5; x < 30; x += 10) c.Set(x, y, stoneDark);
    c.FillRect(0, 30, 32, 4, woodDark);
    c.FillRect(0, 29, 32, 1, woodLight);
    c.FillRect(8, 40, 16, 24, outline);
    c.FillShape(0, 0, 32, 64, [](int x, int y) {
        float dy = (y - 46) / 16.0f;
        return y >= 46 && y < 62 && std::abs(x + 0.5f - 16) <= 6 * dy * (1.3f - dy);
    }, orange);
    c.FillShape(0, 0, 32, 64, [](int x, int y) {
        float dy = (y - 52) / 10.0f;
        return y >= 52 && y < 62 && std::abs(x + 0.5f - 16) <= 3.5f * dy * (1.3f - dy);
    }, yellow);
    Tile upper = At(sheet, column, row), lower = At(sheet, column + 1, row);
    PaintBackWall(upper, true);
    PaintBackWall(lower, false);
    c.Outline(0, 0, 32, 64, outline);
    Canvas top(32, 32), bottom(32, 32);
    top.Paste(c, 0, 0);
    bottom.Paste(c, 0, -32);
    sheet.Paste(top, column * kCell, row * kCell);
    sheet.Paste(bottom, (column + 1) * kCell, row * kCell);
}

void PaintFurniture(Canvas& sheet, int column, int row, void (*paint)(Canvas&)) {
    Tile t = At(sheet, column, row);
    PaintFloor(t, column);
    Canvas c(32, 32);
    paint(c);
    c.Outline(0, 0, 32, 32, outline);
    sheet.Paste(c, column * kCell, row * kCell);
}

void Counter(Canvas& c, bool end) {
    FillShaded(c, 0, 6, 32, 24, [end](int x, int y) { return y >= 6 && y < 29 && (!end || x < 26); },
               ShadedShape{wood, woodDark, woodLight});
    c.FillRect(0, 6, end ? 26 : 32, 7, woodLight);
    c.FillRect(0, 13, end ? 26 : 32, 1, woodDark);
}

void PaintCounter(Canvas& c) { Counter(c, false); }
void PaintCounterEnd(Canvas& c) { Counter(c, true); }

void PaintTable(Canvas& c) {
    c.FillEllipse(16, 26, 12, 3, Rgba{30, 20, 20, 80});
    FillShaded(c, 2, 6, 28, 16, [](int x, int y) { return x >= 2 && x < 30 && y >= 7 && y < 20; },
               ShadedShape{woodLight, wood, Hex(0xd8a868)});
    c.FillRect(2, 20, 28, 3, woodDark);
    c.FillRect(4, 23, 3, 5, woodDark);
    c.FillRect(25, 23, 3, 5, woodDark);
    c.FillEllipse(11, 12, 3, 2, white);  // a bowl
    c.FillEllipse(11, 11.5f, 2, 1, orange);
    c.FillRect(20, 10, 2, 5, white);     // a mug
    c.Set(22, 11, white);
}

void PaintChair(Canvas& c) {
    FillShaded(c, 9, 4, 14, 12, [](int x, int y) { return x >= 9 && x < 23 && y >= 4 && y < 16; },
               ShadedShape{wood, woodDark, woodLight});
    FillShaded(c, 8, 16, 16, 6, [](int x, int y) { return x >= 8 && x < 24 && y >= 16 && y < 22; },
               ShadedShape{woodLight, wood, Hex(0xd8a868)});
    c.FillRect(9, 22, 2, 6, woodDark);
    c.FillRect(21, 22, 2, 6, woodDark);
}

void PaintStool(Canvas& c) {
    c.FillEllipse(16, 16, 7, 4, woodLight);
    c.FillRect(11, 19, 2, 8, woodDark);
    c.FillRect(19, 19, 2, 8, woodDark);
}

void PaintPlant(Canvas& c) {
    FillShaded(c, 10, 18, 12, 11, [](int x, int y) { return y >= 18 && y < 29 && std::abs(x + 0.5f - 16) <= 6 - (y - 18) / 4; },
               ShadedShape{orange, Hex(0xb05a2a), Hex(0xf8b070)});
    for (int i = 0; i < 7; ++i) {
        float a = -2.6f + i * 0.55f;
        for (int k = 2; k < 12; ++k) c.Set(16 + int(std::cos(a) * k * 0.9f), 18 + int(std::sin(a) * k), k > 8 ? leafTip : leaf);
    }
}

void PaintInteriorBarrel(Canvas& c) { PaintBarrel(c); }

void PaintBed(Canvas& sheet, int column, int row) {
    Canvas c(32, 64);
    FillShaded(c, 3, 2, 26, 60, [](int x, int y) { return x >= 3 && x < 29 && y >= 2 && y < 60; },
               ShadedShape{wood, woodDark, woodLight});
    FillShaded(c, 5, 6, 22, 12, [](int x, int y) { return x >= 5 && x < 27 && y >= 6 && y < 16; },
               ShadedShape{white, Hex(0xc8c4d8), Hex(0xffffff)});
    FillShaded(c, 5, 18, 22, 40, [](int x, int y) { return x >= 5 && x < 27 && y >= 18 && y < 57; },
               ShadedShape{Hex(0x4a7ac0), Hex(0x2e4c8a), Hex(0x78a4e0)});
    for (int y = 24; y < 56; y += 8) c.FillRect(5, y, 22, 1, Hex(0x2e4c8a));
    c.Outline(0, 0, 32, 64, outline);
    for (int part = 0; part < 2; ++part) {
        Tile t = At(sheet, column + part, row);
        PaintFloor(t, 5 + part);
        Canvas piece(32, 32);
        piece.Paste(c, 0, -32 * part);
        sheet.Paste(piece, (column + part) * kCell, row * kCell);
    }
}

void PaintDoorway(const Tile& t) {
    PaintFloor(t, 9);
    for (int y = 8; y < 30; ++y)
        for (int x = 4; x < 28; ++x) {
            bool border = x < 6 || x > 25 || y < 10 || y > 27;
            t.Set(x, y, border ? Hex(0x5a6a3a) : ((x + y) % 4 < 2 ? Hex(0x8a9a4a) : Hex(0x7a8a40)));
        }
}

void PaintSideWall(const Tile& t, bool left) {
    PaintFloor(t, 11);
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < 10; ++x) {
            int px = left ? x : 31 - x;
            t.Set(px, y, x < 8 ? ((x + y) % 6 == 0 ? Shade(wallTop, 1.15f) : wallTop) : Shade(floorGap, 0.7f));
        }
}

void PaintBookshelf(const Tile& t) {
    PaintBackWall(t, false);
    for (int y = 0; y < kCell; ++y)
        for (int x = 2; x < 30; ++x) {
            Rgba c = wood;
            if (x == 2 || x == 29 || y == 0 || y == 31 || y % 10 == 0) c = woodDark;
            else {
                int book = x / 3;
                Rgba books[] = {red, Hex(0x4a6aa8), Hex(0x4a9a5a), yellow, violet};
                c = (y % 10 > 1) ? books[(book + y / 10) % 5] : woodDark;
                if (x % 3 == 2) c = Shade(c, 0.7f);
            }
            t.Set(x, y, c);
        }
}

}  // namespace tiles
