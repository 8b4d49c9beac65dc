#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The base64 alphabet of Tiled's layer data (RFC 4648, with '=' padding).
namespace Base64 {
// Whitespace is skipped; false on any other character outside the alphabet.
bool Decode(const std::string& text, std::vector<std::uint8_t>& out);
std::string Encode(const std::vector<std::uint8_t>& bytes);
}
