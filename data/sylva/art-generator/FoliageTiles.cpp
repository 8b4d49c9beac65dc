#include "FoliageTiles.h"

#include <array>
#include <cmath>
#include <utility>

#include "BuildingTiles.h"
#include "GroundTiles.h"
#include "Palette.h"

using namespace palette;

namespace tiles {

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

void CutInto(Canvas& sheet, const Canvas& picture, int pictureColumn, int pictureRow, int column, int row) {
    for (int y = 0; y < kCell; ++y) {
        for (int x = 0; x < kCell; ++x) {
            sheet.Set(column * kCell + x, row * kCell + y,
                      picture.Get(pictureColumn * kCell + x, pictureRow * kCell + y));
        }
    }
}

}  // namespace tiles
