#include "lib/Cp1252.h"

#include "widgets/Cp1252.h"

char32_t Cp1252::ToUnicode(unsigned char byte)
{
    return Cp1252ToUnicode(byte);
}

bool Cp1252::FromUnicode(char32_t character, unsigned char& byte)
{
    const int found = UnicodeToCp1252(character);
    if (found < 0)
        return false;
    byte = static_cast<unsigned char>(found);
    return true;
}

std::string Cp1252::ToUtf8(const std::string& cp1252)
{
    std::string out;
    out.reserve(cp1252.size());
    for (char c : cp1252)
        AppendUtf8(out, ToUnicode(static_cast<unsigned char>(c)));
    return out;
}

bool Cp1252::DecodeUtf8(const std::string& text, std::size_t& position, char32_t& character)
{
    const unsigned char lead = static_cast<unsigned char>(text[position]);
    int extra = 0;
    char32_t value = 0;
    if (lead < 0x80) {
        value = lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        value = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        value = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        value = lead & 0x07;
    } else {
        ++position;
        return false;
    }
    if (position + extra >= text.size()) {
        ++position;
        return false;
    }
    for (int i = 1; i <= extra; ++i) {
        const unsigned char next = static_cast<unsigned char>(text[position + i]);
        if ((next & 0xC0) != 0x80) {
            ++position;
            return false;
        }
        value = (value << 6) | (next & 0x3F);
    }
    static const char32_t kSmallest[4] = {0, 0x80, 0x800, 0x10000};
    if (value < kSmallest[extra] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        ++position;
        return false;
    }
    position += extra + 1;
    character = value;
    return true;
}

void Cp1252::AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}
