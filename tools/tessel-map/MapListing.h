#pragma once

#include <ostream>

#include "world/MapFile.h"

// Writes what the engine reads from a map file, one item per line:
//   size W H layers L
//   start S
//   texture NAME FILE        (each texture entry, in file order)
//   npc ID TEXTURE X Y ACTION NAME   (each character, in file order)
// and with `grids` the walkability, one line per row ('.' walkable,
// '#' blocked), then "event X Y ACTION STEPON" for every tile with a
// script, row by row.
void WriteMapListing(std::ostream& out, const MapFile& map, bool grids);
