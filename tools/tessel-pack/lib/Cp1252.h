#pragma once

#include <cstddef>
#include <string>

// The game's texts are Windows-1252 bytes; authors write UTF-8. The five
// bytes that Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// stand for the control characters of the same number, so that every byte
// has one character and a game's texts survive unpacking and packing again.
class Cp1252 {
public:
    // The character (Unicode code point) of a byte.
    static char32_t ToUnicode(unsigned char byte);
    // The byte of a character; false when Windows-1252 has none.
    static bool FromUnicode(char32_t character, unsigned char& byte);

    static std::string ToUtf8(const std::string& cp1252);

    // Decodes one UTF-8 character at `position` and advances past it; false
    // (advancing one byte) on a malformed sequence.
    static bool DecodeUtf8(const std::string& text, std::size_t& position, char32_t& character);
    static void AppendUtf8(std::string& out, char32_t character);
};
