#include "world/VisibleTiles.h"

#include <algorithm>

namespace {

const long long kTile = 32;

long long FloorDiv(long long a, long long b)
{
    long long q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

long long CeilDiv(long long a, long long b)
{
    return -FloorDiv(-a, b);
}

}  // namespace

TileSpan VisibleTiles(std::int32_t scroll, std::int32_t viewSize, int count)
{
    // scroll + 32 i > -32   <=>  i > (-32 - scroll) / 32
    const long long first = FloorDiv(-kTile - (long long)scroll, kTile) + 1;
    // scroll + 32 i < view  <=>  i < (view - scroll) / 32
    const long long end = CeilDiv((long long)viewSize - scroll, kTile);
    TileSpan span;
    span.first = int(std::clamp<long long>(first, 0, count));
    span.end = int(std::clamp<long long>(end, span.first, count));
    return span;
}
