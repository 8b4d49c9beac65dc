#pragma once

#include <cstdint>

#include "world/TileSpan.h"

// The columns (or rows) of a layer `count` tiles long that show in a view
// `viewSize` pixels long when tile 0 starts at screen position `scroll`.
// Tile i shows exactly when scroll + 32 i > -32 and scroll + 32 i < viewSize,
// so drawing only this span gives the same picture as testing every tile.
TileSpan VisibleTiles(std::int32_t scroll, std::int32_t viewSize, int count);
