#pragma once

#include <cstdint>

// Texts on screen are Windows-1252 bytes, one glyph each. The byte for a
// Unicode character, or -1 when the code page has none for it (control
// characters below 32 map to themselves).
int UnicodeToCp1252(std::uint32_t codePoint);
