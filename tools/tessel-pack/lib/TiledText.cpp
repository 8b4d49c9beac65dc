#include "lib/TiledText.h"

#include "lib/Cp1252.h"

bool TiledText::ToCp1252(const std::string& utf8, std::string& cp1252, std::string& bad)
{
    cp1252.clear();
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t start = i;
        char32_t character = 0;
        if (!Cp1252::DecodeUtf8(utf8, i, character)) {
            bad = "?";
            return false;
        }
        unsigned char byte = 0;
        if (!Cp1252::FromUnicode(character, byte)) {
            bad = utf8.substr(start, i - start);
            return false;
        }
        cp1252 += static_cast<char>(byte);
    }
    return true;
}

std::string TiledText::FromCp1252(const std::string& cp1252)
{
    return Cp1252::ToUtf8(cp1252);
}
