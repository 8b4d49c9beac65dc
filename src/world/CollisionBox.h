#pragma once

#include <cstdint>

#include "world/CPerso.h"

// The part of a character that collides: 24 pixels wide and 16 high,
// centred horizontally in the 32 x 32 sprite and resting on its bottom edge.
struct CollisionBox {
    static const int kWidth = 24;
    static const int kHeight = 16;

    long long left = 0;
    long long top = 0;

    long long Right() const { return left + kWidth; }
    long long Bottom() const { return top + kHeight; }

    static CollisionBox Of(const CPerso& c)
    {
        return CollisionBox{32LL * c.tileX + c.offsetX + (32 - kWidth) / 2,
                            32LL * c.tileY + c.offsetY + (32 - kHeight)};
    }

    // Two boxes of this size overlap when they touch or share any pixel,
    // bounds included.
    bool Overlaps(const CollisionBox& o) const
    {
        const long long dx = left - o.left, dy = top - o.top;
        return (dx < 0 ? -dx : dx) <= kWidth && (dy < 0 ? -dy : dy) <= kHeight;
    }
};
