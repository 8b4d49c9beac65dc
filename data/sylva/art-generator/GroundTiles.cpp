
#include <array>
#include <cmath>
#include <utility>

#include "BuildingTiles.h"
#include "FoliageTiles.h"
#include "Palette.h"

using namespace palette;

namespace tiles {

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

// ---- small objects ------------------------------------------------------


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

void PaintSteppingStone(const Tile& t, int bits) {
    // The water (or shore) of the cell around it stays as its neighbours
    // paint it, so the stones sit in the pond, not on a patch of their own.
    PaintWater(t, bits);
    Canvas stoneTop(32, 32);
    FillShaded(stoneTop, 0, 0, 32, 32, [](int x, int y) {
        float dx = (x + 0.5f - 16) / 10, dy = (y + 0.5f - 15) / 8;
        return dx * dx + dy * dy <= 1;
    }, ShadedShape{stone, stoneDark, stoneLight});
    stoneTop.Outline(0, 0, 32, 32, outline);
    t.sheet.Paste(stoneTop, t.x0, t.y0);
    if (bits & 12)
        for (int x = 9; x < 24; ++x) t.Set(x, 25, foam);
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

void PaintMoonflowerPlant(const Tile& t, bool inBloom) {
    if (inBloom) {
        for (int r = 11; r > 0; --r) {
            Rgba glow{210, 236, 255, std::uint8_t(14 + (11 - r) * 9)};
            for (int y = 0; y < kCell; ++y)
                for (int x = 0; x < kCell; ++x)
                    if ((x - 16) * (x - 16) + (y - 15) * (y - 15) <= r * r) t.Blend(x, y, glow);
        }
    }
    for (int y = inBloom ? 17 : 20; y < 27; ++y) t.Set(16, y, leafDark);
    t.Set(14, 22, leaf);
    t.Set(13, 21, leafLight);
    t.Set(18, 24, leaf);
    t.Set(19, 23, leafLight);
    if (!inBloom) {
        // Picked: a cut stalk in a rosette of broad, outlined leaves.
        Canvas leaves(32, 32);
        for (int k = 0; k < 5; ++k) {
            float a = -kPi / 2 + k * 2 * kPi / 5;
            float cx = 16 + std::cos(a) * 4.5f, cy = 22 + std::sin(a) * 3.0f;
            FillShaded(leaves, 0, 0, 32, 32, [&](int x, int y) {
                float dx = (x + 0.5f - cx) / 3.2f, dy = (y + 0.5f - cy) / 2.2f;
                return dx * dx + dy * dy <= 1;
            }, ShadedShape{leaf, leafDark, leafLight});
        }
        leaves.Outline(0, 0, 32, 32, Hex(0x1f3a24));
        leaves.Set(16, 21, leafDark);
        leaves.Set(16, 20, bark);
        t.sheet.Paste(leaves, t.x0, t.y0);
        return;
    }
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

void PaintMoonflower(const Tile& t) {
    PaintGrass(t, 93, 6);
    PaintMoonflowerPlant(t, true);
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

}  // namespace tiles
