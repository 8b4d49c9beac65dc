#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "world/MapFile.h"
#include "world/MapFileResult.h"

// Reading the binary .map format. All numbers are little-endian; in order:
// width u16, height u16, layer count u8; texture entries {name u16, file
// name string} until a name of 0; character entries {identifier u16,
// texture u16, tile x u16, tile y u16, action script u16, reserved u16,
// name string} until an identifier of 0; the tiles of every layer row by row
// {texture u8, cell u8}; one walkability byte per tile row by row; two
// script identifiers u16 per tile row by row; the start script u16.
//
// A file that cannot hold what its header announces is refused before
// anything is allocated from the header's sizes. Bytes after the start
// script are ignored. On refusal `map` is left empty.
MapFileResult ParseMapFile(const std::vector<std::uint8_t>& bytes, MapFile& map);

// Reads a data path (see DataFile.h) in one go and parses it.
MapFileResult ReadMapFile(const std::string& dataPath, MapFile& map);
