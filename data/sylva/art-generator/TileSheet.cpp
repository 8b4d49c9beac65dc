#include "TileSheet.h"

#include <cmath>

#include "Palette.h"

using namespace palette;

namespace {

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

Tile At(Canvas& sheet, int column, int row) {
    return Tile{sheet, column * kCell, row * kCell};
}

// ---- ground -------------------------------------------------------------

void PaintGrass(const Tile& t, int salt, int tufts) {
    for (int y = 0; y < kCell; ++y) {
        for (int x = 0; x < kCell; ++x) {
            float n = Noise01(x, y, salt);
            t.Set(x, y, n < 0.08f ? grassDark : n > 0.95f ? grassLight : grass);
        }
    }
    // Tufts: a lit blade with a shaded root, wrapped so the tile repeats.
    for (int i = 0; i < tufts; ++i) {
        int x = Hash(i, 1, salt) % kCell, y = Hash(i, 2, salt) % kCell;
        t.Set(x, y, grassLight);
        t.Set(x, y - 1, grassTip);
        t.Set(x - 1, y + 1, grassDark);
        t.Set(x + 1, y + 1, grassDark);
        t.Set(x + 2, y, grassLight);
    }
}

void PaintFlower(const Tile& t, int x, int y, Rgba petal) {
    t.Blend(x, y - 1, petal);
    t.Blend(x - 1, y, petal);
    t.Blend(x + 1, y, petal);
    t.Blend(x, y + 1, Shade(petal, 0.7f));
    t.Blend(x, y, yellow);
    t.Blend(x, y + 2, grassDark);
}

// Corner terrains: NW = 1, NE = 2, SW = 4, SE = 8 tell which corners of the
// cell belong to the terrain. The border between the terrain and the grass
// is the 0.5 line of the bilinear blend of the corners, shaken by a wave
// that repeats every 32 pixels, so that neighbouring cells always meet.
float CornerBlend(int bits, int x, int y) {
    float u = (x + 0.5f) / kCell, v = (y + 0.5f) / kCell;
    float nw = bits & 1 ? 1.f : 0.f, ne = bits & 2 ? 1.f : 0.f;
    float sw = bits & 4 ? 1.f : 0.f, se = bits & 8 ? 1.f : 0.f;
    float top = nw + (ne - nw) * u, bottom = sw + (se - sw) * u;
    float value = top + (bottom - top) * v;
    float wave = 0.035f * std::sin(2 * kPi * (2 * x + y) / kCell) + 0.025f * std::sin(2 * kPi * (x - 3 * y) / kCell);
    return value + wave;
}

void PaintPath(const Tile& t, int bits) {
    PaintGrass(t, 11 + bits, 5);
    for (int y = 0; y < kCell; ++y) {
        for (int x = 0; x < kCell; ++x) {
            float v = CornerBlend(bits, x, y);
            if (v >= 0.5f) {
                float n = Noise01(x, y, 77);
                Rgba c = v < 0.56f ? dirtDark : n < 0.06f ? pebble : n > 0.93f ? dirtLight : dirt;
                if (v >= 0.56f && n > 0.5f && n < 0.53f) {
                    c = dirtDark;
                }
                t.Set(x, y, c);
            } else if (v > 0.44f) {
                t.Set(x, y, grassDark);
            }
        }
    }
}

void PaintWaterPixel(const Tile& t, int x, int y, float depth) {
    float n = Noise01(x / 4, y, 5);
    Rgba c = depth < 0.04f ? foam : depth < 0.12f ? waterLight : water;
    if (depth >= 0.12f) {
        // Short lit wave crests on darker water, in rows.
        int row = (y + int(n * 3)) % 8;
        if (row == 0 && ((x + y * 3) % 16) < 5) {
            c = waterLight;
        } else if (row >= 5) {
            c = waterDeep;
        }
    }
    t.Set(x, y, c);
}

void PaintWater(const Tile& t, int bits) {
    PaintGrass(t, 31 + bits, 5);
    for (int y = 0; y < kCell; ++y) {
        for (int x = 0; x < kCell; ++x) {
            float v = CornerBlend(bits, x, y);
            if (v >= 0.5f) {
                PaintWaterPixel(t, x, y, v - 0.5f);
            } else if (v > 0.43f) {
                t.Set(x, y, v > 0.47f ? bankDark : bank);
            } else if (v > 0.40f) {
                t.Set(x, y, grassDark);
            }
        }
    }
}

// ---- foliage ------------------------------------------------------------

// Leaves in round clumps: each pixel belongs to the nearest clump centre of
// a jittered 8-pixel grid, lit on the side of the clump facing the light.
Rgba LeafColour(int x, int y, int salt, Rgba dark, Rgba base, Rgba light, Rgba tip) {
    float best = 1e9f, bx = 0, by = 0;
    for (int gy = -1; gy <= 5; ++gy) {
        for (int gx = -1; gx <= 5; ++gx) {
            float cx = gx * 8 + 4 + (Noise01(gx & 3, gy & 3, salt) - 0.5f) * 5;
            float cy = gy * 8 + 4 + (Noise01(gx & 3, gy & 3, salt + 1) - 0.5f) * 5;
            float d = (x - cx) * (x - cx) + (y - cy) * (y - cy);
            if (d < best) {
                best = d;
                bx = x - cx;
                by = y - cy;
            }
        }
    }
    // A round clump lit from the upper left, with a dark gap at its rim.
    float distance = std::sqrt(best);
    float toLight = -(bx + by) / (distance + 0.001f);
    if (distance > 4.6f) return dark;
    if (distance > 3.6f) return toLight > 0.3f ? base : dark;
    if (toLight > 0.5f && distance > 1.2f) return distance < 3.0f ? tip : light;
    if (toLight > -0.2f) return light;
    return base;
}

void PaintCanopyTerrain(const Tile& t, int bits) {
    for (int y = 0; y < kCell; ++y) {
        for (int x = 0; x < kCell; ++x) {
            float bump = 0.035f * std::sin(2 * kPi * x * 3 / kCell) * std::sin(2 * kPi * y * 3 / kCell);
            float v = CornerBlend(bits, x, y) + bump;
            if (v >= 0.5f) {
                Rgba c = LeafColour(x, y, 3, leafDark, leaf, leafLight, leafTip);
                t.Set(x, y, v < 0.54f ? leafDark : c);
            } else if (v > 0.47f) {
                t.Set(x, y, Shade(leafDark, 0.7f));
            }
        }
    }
}

// A free-standing object painted on its own canvas, then cut into cells.
void CutInto(Canvas& sheet, const Canvas& picture, int pictureColumn, int pictureRow, int column, int row) {
    for (int y = 0; y < kCell; ++y) {
        for (int x = 0; x < kCell; ++x) {
            sheet.Set(column * kCell + x, row * kCell + y,
                      picture.Get(pictureColumn * kCell + x, pictureRow * kCell + y));
        }
    }
}

void PaintCanopyBlob(Canvas& c, float cx, float cy, float rx, float ry, int salt) {
    c.FillShape(0, 0, c.Width(), c.Height(), [&](int x, int y) {
        float dx = (x + 0.5f - cx) / rx, dy = (y + 0.5f - cy) / ry;
        float angle = std::atan2(dy, dx);
        float wobble = 1.0f + 0.07f * std::sin(angle * 7 + salt);
        return dx * dx + dy * dy <= wobble * wobble;
    }, leaf);
    for (int y = 0; y < c.Height(); ++y) {
        for (int x = 0; x < c.Width(); ++x) {
            if (c.Get(x, y).a == 0) continue;
            Rgba leafy = LeafColour(x, y, salt, leafDark, leaf, leafLight, leafTip);
            // The lower right of the whole crown lies in its own shadow.
            float side = ((x - cx) / rx + (y - cy) / ry);
            if (side > 0.9f && leafy.r != leafTip.r) leafy = leafDark;
            c.Set(x, y, leafy);
        }
    }
    c.Outline(0, 0, c.Width(), c.Height(), outline);
}

void PaintTrunk(Canvas& c, int cx, int top, int bottom, int halfWidth) {
    c.FillEllipse(cx + 0.5f, bottom - 1.5f, halfWidth + 6.0f, 3.0f, Rgba{30, 40, 30, 90});
    FillShaded(c, cx - halfWidth, top, 2 * halfWidth + 1, bottom - top, [&](int x, int y) {
        int flare = y > bottom - 5 ? (y - (bottom - 5)) / 2 : 0;
        return y >= top && y < bottom - 1 && std::abs(x - cx) <= halfWidth + flare;
    }, ShadedShape{bark, barkDark, barkLight});
    for (int y = top + 2; y < bottom - 3; y += 3) {
        c.Set(cx - 1 + (y % 2), y, barkDark);
    }
    c.Outline(0, top, c.Width(), bottom - top + 1, outline);
}

// A tree two cells high: its crown on layer 2, its trunk on layer 1.
// Three cells: crown top, lower crown (layer 2, over the trunk), trunk.
void PaintRoundTree(Canvas& sheet, int column, int row) {
    Canvas crown(32, 64), trunk(32, 64);
    PaintCanopyBlob(crown, 16, 25, 14.5f, 15, 4);
    PaintTrunk(trunk, 15, 36, 62, 3);
    CutInto(sheet, crown, 0, 0, column, row);
    CutInto(sheet, crown, 0, 1, column + 1, row);
    CutInto(sheet, trunk, 0, 1, column + 2, row);
}

void PaintPine(Canvas& sheet, int column, int row) {
    Canvas crown(32, 64), trunk(32, 64);
    for (int tier = 0; tier < 4; ++tier) {
        int top = 2 + tier * 9, height = 16;
        int half = 6 + tier * 3;
        FillShaded(crown, 0, top, 32, height, [&](int x, int y) {
            float k = float(y - top) / height;
            return y >= top && y < top + height && std::abs(x + 0.5f - 16) <= 1 + k * half;
        }, ShadedShape{pine, pineDark, pineLight});
    }
    crown.Outline(0, 0, 32, 64, outline);
    PaintTrunk(trunk, 15, 44, 62, 2);
    CutInto(sheet, crown, 0, 0, column, row);
    CutInto(sheet, crown, 0, 1, column + 1, row);
    CutInto(sheet, trunk, 0, 1, column + 2, row);
}

// The big oak: two cells wide, three high. Crown cells (2 x 2) and the lower
// crown (2) go on layer 2, the trunk (2) on layer 1.
void PaintBigTree(Canvas& sheet, int column, int row) {
    Canvas crown(64, 96), trunk(64, 96);
    PaintCanopyBlob(crown, 32, 40, 30, 36, 9);
    PaintTrunk(trunk, 31, 66, 94, 5);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 2; ++c) {
            CutInto(sheet, crown, c, r, column + r * 2 + c, row);
        }
    }
    CutInto(sheet, trunk, 0, 2, column + 6, row);
    CutInto(sheet, trunk, 1, 2, column + 7, row);
}

// ---- small objects ------------------------------------------------------

// Objects have a transparent background: maps put them on layer 1 over
// whatever ground lies there.
template <typename Paint>
void PaintObject(Canvas& sheet, int column, int row, Paint paint) {
    Canvas object(32, 32);
    paint(object);
    object.Outline(0, 0, 32, 32, outline);
    sheet.Paste(object, column * kCell, row * kCell);
}

void Shadow(Canvas& c, float cx, float cy, float rx) {
    c.FillEllipse(cx, cy, rx, 3, Rgba{30, 40, 30, 90});
}

void PaintRock(Canvas& c) {
    Shadow(c, 16, 26, 12);
    FillShaded(c, 0, 0, 32, 32, [](int x, int y) {
        float dx = (x + 0.5f - 16) / 11, dy = (y + 0.5f - 19) / 8;
        return dx * dx + dy * dy <= 1;
    }, ShadedShape{stone, stoneDark, stoneLight});
    c.Set(12, 16, stoneLight);
    c.Set(19, 21, stoneDark);
}

void PaintStump(Canvas& c) {
    Shadow(c, 16, 26, 11);
    FillShaded(c, 7, 14, 18, 12, [](int x, int y) { return x >= 8 && x <= 23 && y >= 16 && y <= 25; },
               ShadedShape{bark, barkDark, barkLight});
    c.FillEllipse(16, 16, 8, 3.5f, woodLight);
    c.FillEllipse(16, 16, 4, 1.5f, wood);
}

void PaintBush(Canvas& c) {
    Shadow(c, 16, 27, 13);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            float dx = (x + 0.5f - 16) / 13, dy = (y + 0.5f - 18) / 10;
            if (dx * dx + dy * dy <= 1) c.Set(x, y, LeafColour(x, y, 21, leafDark, leaf, leafLight, leafTip));
        }
    c.Set(11, 14, red);
    c.Set(20, 18, red);
    c.Set(15, 22, red);
}

void PaintFenceRail(Canvas& c) {
    for (int px : {3, 27}) {
        FillShaded(c, px, 10, 3, 18, [&](int x, int y) { return x >= px && x < px + 3 && y >= 10 && y < 28; },
                   ShadedShape{wood, woodDark, woodLight});
    }
    for (int ry : {13, 20}) {
        FillShaded(c, 0, ry, 32, 3, [&](int, int y) { return y >= ry && y < ry + 3; },
                   ShadedShape{wood, woodDark, woodLight});
    }
}

void PaintFencePost(Canvas& c) {
    FillShaded(c, 13, 8, 5, 20, [](int x, int y) { return x >= 13 && x < 18 && y >= 8 && y < 28; },
               ShadedShape{wood, woodDark, woodLight});
}

void PaintSignpost(Canvas& c) {
    Shadow(c, 16, 28, 6);
    FillShaded(c, 14, 14, 4, 14, [](int x, int y) { return x >= 14 && x < 18 && y >= 14 && y < 28; },
               ShadedShape{wood, woodDark, woodLight});
    FillShaded(c, 4, 5, 24, 12, [](int x, int y) { return x >= 4 && x < 28 && y >= 5 && y < 16; },
               ShadedShape{woodLight, wood, Hex(0xd8a868)});
    for (int x = 8; x < 24; x += 2) c.Set(x, 9, woodDark);
    for (int x = 7; x < 20; x += 2) c.Set(x, 12, woodDark);
}

void PaintMushrooms(const Tile& t) {
    for (auto [x, y] : {std::pair{9, 20}, {20, 13}, {23, 24}}) {
        t.Blend(x, y, white);
        t.Blend(x, y + 1, white);
        for (int dx = -2; dx <= 2; ++dx) t.Blend(x + dx, y - 1, dx == 0 ? white : red);
        for (int dx = -1; dx <= 1; ++dx) t.Blend(x + dx, y - 2, red);
        t.Blend(x - 2, y, outline);
        t.Blend(x + 2, y, outline);
    }
}

void PaintSteppingStone(const Tile& t) {
    PaintWater(t, 15);
    Canvas stoneTop(32, 32);
    FillShaded(stoneTop, 0, 0, 32, 32, [](int x, int y) {
        float dx = (x + 0.5f - 16) / 12, dy = (y + 0.5f - 16) / 10;
        return dx * dx + dy * dy <= 1;
    }, ShadedShape{stone, stoneDark, stoneLight});
    stoneTop.Outline(0, 0, 32, 32, outline);
    t.sheet.Paste(stoneTop, t.x0, t.y0);
    for (int x = 6; x < 27; ++x) t.Set(x, 27, foam);
}

void PaintBridge(const Tile& t, bool horizontal) {
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x) {
            int along = horizontal ? x : y, across = horizontal ? y : x;
            Rgba c = (along % 8 == 7) ? woodDark : (along % 8 == 0) ? woodLight : wood;
            if (across < 3 || across > 28) c = woodDark;
            if (across == 3 || across == 28) c = barkDark;
            t.Set(x, y, c);
        }
}

void PaintReeds(const Tile& t) {
    PaintGrass(t, 91, 6);
    for (int i = 0; i < 7; ++i) {
        int x = 3 + i * 4 + int(Hash(i, 0, 8) % 3), h = 10 + int(Hash(i, 1, 8) % 8);
        for (int y = 0; y < h; ++y) t.Set(x, 28 - y, y > h - 3 ? leafTip : leafLight);
        t.Set(x + 1, 28, grassDark);
        if (i % 2 == 0) {
            t.Set(x, 28 - h, bark);
            t.Set(x, 27 - h, bark);
        }
    }
}

bool InPetal(int x, int y, float cx, float cy) {
    float dx = x + 0.5f - cx, dy = y + 0.5f - cy;
    return dx * dx + dy * dy <= 6.5f;
}

void PaintMoonflower(const Tile& t) {
    PaintGrass(t, 93, 6);
    for (int r = 11; r > 0; --r) {
        Rgba glow{210, 236, 255, std::uint8_t(14 + (11 - r) * 9)};
        for (int y = 0; y < kCell; ++y)
            for (int x = 0; x < kCell; ++x)
                if ((x - 16) * (x - 16) + (y - 15) * (y - 15) <= r * r) t.Blend(x, y, glow);
    }
    for (int y = 17; y < 27; ++y) t.Set(16, y, leafDark);
    t.Set(14, 22, leaf);
    t.Set(13, 21, leafLight);
    t.Set(18, 24, leaf);
    t.Set(19, 23, leafLight);
    // Five pale petals round a golden heart.
    Rgba petal = Hex(0xeef6ff), petalShade = Hex(0xa8c4ec);
    Canvas flower(32, 32);
    for (int k = 0; k < 5; ++k) {
        float a = -kPi / 2 + k * 2 * kPi / 5;
        FillShaded(flower, 0, 0, 32, 32, [&](int x, int y) {
            return InPetal(x, y, 16 + std::cos(a) * 3.5f, 14 + std::sin(a) * 3.5f);
        }, ShadedShape{petal, petalShade, Hex(0xffffff)});
    }
    flower.Outline(0, 0, 32, 32, Hex(0x5a6aa0));
    flower.Set(16, 14, yellow);
    flower.Set(15, 14, Hex(0xfff6c0));
    t.sheet.Paste(flower, t.x0, t.y0);
}

void PaintCampfire(Canvas& c) {
    Shadow(c, 16, 26, 12);
    for (auto [x0, y0, x1, y1] : {std::array<int, 4>{6, 25, 26, 19}, {6, 19, 26, 25}}) {
        for (int w = 0; w < 3; ++w) c.Line(x0, y0 + w, x1, y1 + w, w == 0 ? barkLight : bark);
    }
    c.FillShape(0, 0, 32, 32, [](int x, int y) {
        float dy = (y - 8) / 14.0f;
        return y >= 8 && y <= 22 && std::abs(x + 0.5f - 16) <= 7 * dy * (1.3f - dy);
    }, orange);
    c.FillShape(0, 0, 32, 32, [](int x, int y) {
        float dy = (y - 12) / 10.0f;
        return y >= 12 && y <= 22 && std::abs(x + 0.5f - 16) <= 4 * dy * (1.3f - dy);
    }, yellow);
}

void PaintLog(Canvas& c) {
    Shadow(c, 16, 25, 14);
    FillShaded(c, 3, 15, 26, 10, [](int x, int y) { return x >= 4 && x < 27 && y >= 15 && y < 25; },
               ShadedShape{bark, barkDark, barkLight});
    c.FillEllipse(27, 20, 3, 5, woodLight);
    c.Set(27, 20, wood);
}

void PaintBarrel(Canvas& c) {
    Shadow(c, 16, 27, 10);
    FillShaded(c, 7, 8, 18, 20, [](int x, int y) {
        int bulge = (y > 11 && y < 24) ? 1 : 0;
        return y >= 9 && y < 27 && x >= 8 - bulge && x < 24 + bulge;
    }, ShadedShape{wood, woodDark, woodLight});
    for (int y : {12, 22}) c.FillRect(7, y, 18, 2, stoneDark);
    c.FillEllipse(16, 9.5f, 8, 2.5f, woodDark);
}

void PaintCrate(Canvas& c) {
    Shadow(c, 16, 28, 12);
    FillShaded(c, 5, 8, 22, 20, [](int x, int y) { return x >= 5 && x < 27 && y >= 8 && y < 27; },
               ShadedShape{woodLight, wood, Hex(0xd8a868)});
    c.Line(6, 9, 25, 25, wood);
    c.Line(6, 25, 25, 9, wood);
    c.FillRect(5, 8, 22, 2, woodDark);
}

void PaintHaystack(Canvas& c) {
    Shadow(c, 16, 27, 13);
    FillShaded(c, 0, 0, 32, 32, [](int x, int y) {
        float dx = (x + 0.5f - 16) / 13, dy = (y + 0.5f - 20) / 10;
        return y < 27 && dx * dx + dy * dy <= 1;
    }, ShadedShape{yellow, Hex(0xc09a30), Hex(0xfff0a0)});
    for (int i = 0; i < 12; ++i) c.Set(6 + int(Hash(i, 3, 1) % 20), 13 + int(Hash(i, 4, 1) % 12), Hex(0xc09a30));
}

void PaintDoorstep(const Tile& t) {
    PaintPath(t, 15);
    Canvas step(32, 32);
    FillShaded(step, 3, 0, 26, 10, [](int x, int y) { return x >= 3 && x < 29 && y >= 0 && y < 9; },
               ShadedShape{stone, stoneDark, stoneLight});
    t.sheet.Paste(step, t.x0, t.y0);
}

void PaintLanternPost(Canvas& c) {
    Shadow(c, 16, 29, 6);
    FillShaded(c, 14, 10, 4, 19, [](int x, int y) { return x >= 14 && x < 18 && y >= 10 && y < 29; },
               ShadedShape{stoneDark, outline, stone});
    FillShaded(c, 11, 1, 10, 10, [](int x, int y) { return x >= 11 && x < 21 && y >= 2 && y < 11; },
               ShadedShape{yellow, orange, Hex(0xfff6c0)});
    c.FillRect(10, 0, 12, 2, outline);
}

void PaintTallGrass(const Tile& t) {
    PaintGrass(t, 97, 8);
    for (int i = 0; i < 22; ++i) {
        int x = int(Hash(i, 5, 2) % 30) + 1, y = int(Hash(i, 6, 2) % 20) + 10, h = 4 + int(Hash(i, 7, 2) % 4);
        for (int k = 0; k < h; ++k) t.Set(x + (k > h / 2 ? 1 : 0), y - k, k == h - 1 ? grassTip : grassLight);
        t.Set(x, y + 1, grassDark);
    }
}

void PaintLilies(const Tile& t) {
    PaintWater(t, 15);
    for (auto [x, y] : {std::pair{9, 10}, {21, 19}, {12, 24}}) {
        for (int dy = -3; dy <= 3; ++dy)
            for (int dx = -4; dx <= 4; ++dx)
                if (dx * dx / 16.0f + dy * dy / 9.0f <= 1 && !(dx > 0 && dy == 0)) t.Set(x + dx, y + dy,
                    dy > 1 ? leafDark : leafLight);
    }
    t.Set(21, 18, pink);
    t.Set(20, 18, white);
}

void PaintWaterRocks(const Tile& t) {
    PaintWater(t, 15);
    Canvas rocks(32, 32);
    for (auto [x, y, r] : {std::array<int, 3>{11, 13, 6}, {21, 20, 5}}) {
        FillShaded(rocks, 0, 0, 32, 32, [&](int px, int py) {
            float dx = (px + 0.5f - x) / r, dy = (py + 0.5f - y) / (r * 0.8f);
            return dx * dx + dy * dy <= 1;
        }, ShadedShape{stone, stoneDark, stoneLight});
    }
    rocks.Outline(0, 0, 32, 32, outline);
    t.sheet.Paste(rocks, t.x0, t.y0);
}

void PaintSparkleWater(const Tile& t) {
    PaintWater(t, 15);
    for (auto [x, y] : {std::pair{8, 9}, {22, 16}, {13, 25}}) {
        t.Set(x, y, white);
        t.Set(x - 1, y, foam);
        t.Set(x + 1, y, foam);
        t.Set(x, y - 1, foam);
        t.Set(x, y + 1, foam);
    }
}

void PaintFlowerBed(const Tile& t) {
    PaintGrass(t, 55, 3);
    for (int i = 0; i < 9; ++i) {
        int x = 4 + (i % 3) * 11 + int(Hash(i, 8, 3) % 3), y = 5 + (i / 3) * 10 + int(Hash(i, 9, 3) % 3);
        Rgba petal = i % 3 == 0 ? red : i % 3 == 1 ? violet : pink;
        t.Set(x - 1, y + 1, leafLight);
        t.Set(x + 1, y + 1, leaf);
        PaintFlower(t, x, y, petal);
    }
}

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

}  // namespace

Canvas PaintTileSheet() {
    Canvas sheet(512, 512);

    // Row 0: grass and what stands on it.
    PaintGrass(At(sheet, 0, 0), 1, 6);
    PaintGrass(At(sheet, 1, 0), 2, 14);
    Tile yellowFlowers = At(sheet, 2, 0);
    PaintGrass(yellowFlowers, 3, 6);
    for (auto [x, y] : {std::pair{7, 8}, {22, 12}, {14, 23}, {27, 26}}) PaintFlower(yellowFlowers, x, y, yellow);
    Tile redFlowers = At(sheet, 3, 0);
    PaintGrass(redFlowers, 4, 6);
    for (auto [x, y] : {std::pair{10, 6}, {24, 20}, {6, 24}}) PaintFlower(redFlowers, x, y, red);
    PaintFlower(redFlowers, 18, 10, white);
    Tile pebbles = At(sheet, 4, 0);
    PaintGrass(pebbles, 5, 4);
    for (auto [x, y] : {std::pair{9, 12}, {20, 22}, {24, 8}}) {
        pebbles.Set(x, y, stoneLight);
        pebbles.Set(x + 1, y, stone);
        pebbles.Set(x, y + 1, stoneDark);
        pebbles.Set(x + 1, y + 1, stoneDark);
    }
    PaintGrass(At(sheet, 5, 0), 6, 24);
    Tile clover = At(sheet, 6, 0);
    PaintGrass(clover, 7, 4);
    for (auto [x, y] : {std::pair{8, 20}, {20, 9}}) {
        for (auto [dx, dy] : {std::pair{0, 0}, {1, 0}, {0, 1}, {-1, 0}, {0, -1}}) clover.Set(x + dx, y + dy, grassLight);
        clover.Set(x, y, grassTip);
    }
    PaintTallGrass(At(sheet, 7, 0));
    PaintFlowerBed(At(sheet, 8, 0));
    PaintObject(sheet, 9, 0, PaintRock);
    PaintObject(sheet, 10, 0, PaintStump);
    PaintObject(sheet, 11, 0, PaintBush);
    PaintObject(sheet, 12, 0, PaintFenceRail);
    PaintObject(sheet, 13, 0, PaintFencePost);
    PaintObject(sheet, 14, 0, PaintSignpost);
    Tile mushrooms = At(sheet, 15, 0);
    PaintGrass(mushrooms, 8, 6);
    PaintMushrooms(mushrooms);

    // Rows 1, 2: paths and water over grass, one cell per corner pattern.
    for (int bits = 0; bits < 16; ++bits) {
        PaintPath(At(sheet, bits, 1), bits);
        PaintWater(At(sheet, bits, 2), bits);
    }

    // Row 3: water features and outdoor objects.
    PaintLilies(At(sheet, 0, 3));
    PaintWaterRocks(At(sheet, 1, 3));
    PaintSteppingStone(At(sheet, 2, 3));
    PaintBridge(At(sheet, 3, 3), true);
    PaintBridge(At(sheet, 4, 3), false);
    PaintReeds(At(sheet, 5, 3));
    PaintMoonflower(At(sheet, 6, 3));
    PaintObject(sheet, 7, 3, PaintCampfire);
    PaintObject(sheet, 8, 3, PaintLog);
    PaintObject(sheet, 9, 3, PaintBarrel);
    PaintObject(sheet, 10, 3, PaintCrate);
    PaintObject(sheet, 11, 3, PaintHaystack);
    PaintDoorstep(At(sheet, 12, 3));
    PaintObject(sheet, 13, 3, PaintLanternPost);
    PaintSparkleWater(At(sheet, 14, 3));
    PaintPath(At(sheet, 15, 3), 15);
    Tile pathStones = At(sheet, 15, 3);
    for (auto [x, y] : {std::pair{8, 9}, {20, 20}, {25, 7}}) {
        pathStones.Set(x, y, stoneLight);
        pathStones.Set(x + 1, y, stone);
        pathStones.Set(x + 1, y + 1, stoneDark);
    }

    // Row 4: the forest's closed canopy (layer 2), one cell per corner pattern.
    for (int bits = 0; bits < 16; ++bits) PaintCanopyTerrain(At(sheet, bits, 4), bits);

    // Row 5: trees.
    PaintRoundTree(sheet, 0, 5);
    PaintPine(sheet, 3, 5);
    PaintBigTree(sheet, 6, 5);

    // Rows 6, 7: red and blue roofs; chimney.
    PaintRoof(sheet, 0, 6, roofRed, roofRedDark, roofRedLight);
    PaintRoof(sheet, 0, 7, roofBlue, roofBlueDark, roofBlueLight);
    PaintChimney(sheet, 9, 6);

    // Row 8: walls and door; well.
    PaintWalls(sheet, 0, 8);
    PaintWell(sheet, 10, 8);

    // Row 12, 13: interiors.
    PaintFloor(At(sheet, 0, 12), 0);
    PaintFloor(At(sheet, 1, 12), 17);
    PaintRug(At(sheet, 2, 12));
    PaintStoneFloor(At(sheet, 3, 12));
    PaintWallTop(At(sheet, 4, 12));
    PaintBackWall(At(sheet, 5, 12), true);
    PaintBackWall(At(sheet, 6, 12), false);
    PaintBackWindow(At(sheet, 7, 12));
    PaintShelf(At(sheet, 8, 12));
    PaintFireplace(sheet, 9, 12);
    PaintFurniture(sheet, 11, 12, PaintCounter);
    PaintFurniture(sheet, 12, 12, PaintCounterEnd);
    PaintFurniture(sheet, 13, 12, PaintTable);
    PaintFurniture(sheet, 14, 12, PaintChair);
    PaintFurniture(sheet, 15, 12, PaintStool);
    PaintBed(sheet, 0, 13);
    PaintFurniture(sheet, 2, 13, PaintInteriorBarrel);
    PaintFurniture(sheet, 3, 13, PaintPlant);
    PaintDoorway(At(sheet, 4, 13));
    PaintSideWall(At(sheet, 5, 13), true);
    PaintSideWall(At(sheet, 6, 13), false);
    PaintBookshelf(At(sheet, 7, 13));

    // Last cell: the marker that authors paint on the "collision" layer.
    Tile marker = At(sheet, 15, 15);
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x) {
            bool cross = std::abs(x - y) < 2 || std::abs(x + y - 31) < 2;
            bool border = x < 2 || y < 2 || x > 29 || y > 29;
            marker.Set(x, y, cross || border ? Rgba{220, 40, 40, 220} : Rgba{220, 40, 40, 70});
        }
    return sheet;
}
