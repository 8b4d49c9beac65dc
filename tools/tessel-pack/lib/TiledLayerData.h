#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Decodes the data of a Tiled tile layer into global tile ids, row by row.
// On failure `error` says what is wrong in words an author can act on.
namespace TiledLayerData {
// The most tiles a map may have (4096 x 4096): the engine and this tool
// hold a whole map in memory, several bytes a tile.
const long long kMaxCells = 1LL << 24;
// The most cells the tile layers of one file may have in all, so that many
// small but highly compressed layers cannot exhaust memory either.
const long long kMaxCellsInAll = 8 * kMaxCells;
// Whether a layer of this size can be a map's layer at all (1 to 65535
// tiles a side, kMaxCells in all); larger ones are refused before their
// data is decoded.
inline bool SizeFits(long long width, long long height)
{
    return width >= 1 && height >= 1 && width <= 65535 && height <= 65535 && width * height <= kMaxCells;
}
// Adds a layer's cells to the file's running count (`cellsRead`); false,
// with the author's message in `error`, once the file's layers hold more
// than kMaxCellsInAll.
inline bool CountCells(std::size_t& cellsRead, long long width, long long height, const std::string& layerName,
                       std::string& error)
{
    cellsRead += std::size_t(width < 0 ? 0 : width) * std::size_t(height < 0 ? 0 : height);
    if (cellsRead <= std::size_t(kMaxCellsInAll))
        return true;
    error = "layer '" + layerName + "': the tile layers hold more than " + std::to_string(kMaxCellsInAll) +
            " tiles in all; it is not read";
    return false;
}
// "1,2,0,\n3,..." - exactly `count` numbers.
bool DecodeCsv(const std::string& text, std::size_t count, std::vector<std::uint32_t>& gids,
               std::string& error);
// Base64 of little-endian 32-bit ids; `compression` is "", "zlib" or "gzip"
// (anything else, zstd included, is refused by name).
bool DecodeBase64(const std::string& text, const std::string& compression, std::size_t count,
                  std::vector<std::uint32_t>& gids, std::string& error);
}
