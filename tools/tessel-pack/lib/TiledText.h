#pragma once

#include <string>

// Text in Tiled files is UTF-8; the engine's files hold Windows-1252.
namespace TiledText {
// False, with `bad` set to the first character that has no Windows-1252
// byte (or to "?" for broken UTF-8), when the text cannot be converted.
bool ToCp1252(const std::string& utf8, std::string& cp1252, std::string& bad);
std::string FromCp1252(const std::string& cp1252);
}
