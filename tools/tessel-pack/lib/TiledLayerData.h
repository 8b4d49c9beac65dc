#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Decodes the data of a Tiled tile layer into global tile ids, row by row.
// On failure `error` says what is wrong in words an author can act on.
namespace TiledLayerData {
// Whether a layer of this size can be a map's layer at all (1 to 65535
// tiles a side); larger ones are refused before their data is decoded.
inline bool SizeFits(long long width, long long height)
{
    return width >= 1 && height >= 1 && width <= 65535 && height <= 65535;
}
// "1,2,0,\n3,..." - exactly `count` numbers.
bool DecodeCsv(const std::string& text, std::size_t count, std::vector<std::uint32_t>& gids,
               std::string& error);
// Base64 of little-endian 32-bit ids; `compression` is "", "zlib" or "gzip"
// (anything else, zstd included, is refused by name).
bool DecodeBase64(const std::string& text, const std::string& compression, std::size_t count,
                  std::vector<std::uint32_t>& gids, std::string& error);
}
