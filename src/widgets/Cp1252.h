#pragma once

#include <cstdint>

// Texts on screen are Windows-1252 bytes, one glyph each. The five bytes the
// code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the
// control characters of the same number, so that every byte has exactly one
// character and texts survive a trip through Unicode.

// The byte for a Unicode character, or -1 when the code page has none.
int UnicodeToCp1252(std::uint32_t codePoint);
// The Unicode character of a byte.
std::uint32_t Cp1252ToUnicode(std::uint8_t byte);
