#include "support/Rgba.h"

#include <cstdlib>

bool Rgba::Near(const Rgba& o, int tolerance) const
{
    return std::abs(r - o.r) <= tolerance && std::abs(g - o.g) <= tolerance &&
           std::abs(b - o.b) <= tolerance;
}

std::ostream& operator<<(std::ostream& out, const Rgba& p)
{
    return out << "rgb(" << int(p.r) << ", " << int(p.g) << ", " << int(p.b) << ")";
}
