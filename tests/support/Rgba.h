#pragma once

#include <cstdint>
#include <ostream>

// One pixel read back from the framebuffer.
struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 0;

    bool operator==(const Rgba& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgba& o) const { return !(*this == o); }
    // Each colour channel within `tolerance` of the other's.
    bool Near(const Rgba& o, int tolerance = 2) const;
};

std::ostream& operator<<(std::ostream& out, const Rgba& p);
