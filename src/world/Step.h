#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "world/CHero.h"
#include "world/CNpc.h"
#include "world/CPerso.h"
#include "world/Grid.h"

// Walks `c` one pixel at a time, up to steps + 1 pixels (at least one), in
// `direction` (0 left, 1 down, 2 right, 3 up; 4 keeps the current facing
// and does not change it). The character turns even when it cannot move.
//
// A pixel step is refused - ending the whole move - at the map's edges,
// when the collision box is about to cross into a row or column of tiles
// with a blocked tile (tiles outside `walkability` count as blocked), and
// when the moved box would touch the box of any other character in `npcs`
// or `heroes`. Each pixel walked advances the animation frame by 3/64,
// wrapping from 3 to 0.
//
// Directions above 4 are refused and change nothing; so is 4 for a
// character whose facing is not one of the four directions. On a map
// without tiles the character only turns. Returns the pixels walked.
int Step(CPerso& c, int direction, int steps, const Grid<std::uint8_t>& walkability,
         const std::vector<std::unique_ptr<CNpc>>& npcs,
         const std::vector<std::unique_ptr<CHero>>& heroes);
