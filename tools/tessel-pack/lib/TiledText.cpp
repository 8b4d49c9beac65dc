#include "lib/TiledText.h"

#include <cstdint>

namespace {

// Unicode code points of the bytes 0x80-0x9F; 0 where Windows-1252 has none.
const std::uint16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int ByteFor(std::uint32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return int(codePoint);
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] != 0 && kHighControls[i] == codePoint)
            return 0x80 + i;
    return -1;
}

void AppendUtf8(std::string& out, std::uint32_t codePoint)
{
    if (codePoint < 0x80) {
        out += char(codePoint);
    } else if (codePoint < 0x800) {
        out += char(0xC0 | (codePoint >> 6));
        out += char(0x80 | (codePoint & 0x3F));
    } else {
        out += char(0xE0 | (codePoint >> 12));
        out += char(0x80 | ((codePoint >> 6) & 0x3F));
        out += char(0x80 | (codePoint & 0x3F));
    }
}

}  // namespace

bool TiledText::ToCp1252(const std::string& utf8, std::string& cp1252, std::string& bad)
{
    cp1252.clear();
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >> 5 == 6 ? 2 : lead >> 4 == 14 ? 3 : lead >> 3 == 30 ? 4 : 0;
        if (length == 0 || i + length > utf8.size()) {
            bad = "?";
            return false;
        }
        std::uint32_t codePoint = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(utf8[i + k]);
            if (next >> 6 != 2) {
                bad = "?";
                return false;
            }
            codePoint = codePoint << 6 | (next & 0x3F);
        }
        const int byte = ByteFor(codePoint);
        if (byte < 0) {
            bad = utf8.substr(i, length);
            return false;
        }
        cp1252 += char(byte);
        i += length;
    }
    return true;
}

std::string TiledText::FromCp1252(const std::string& cp1252)
{
    std::string out;
    for (char c : cp1252) {
        const unsigned char byte = static_cast<unsigned char>(c);
        const std::uint32_t codePoint = byte >= 0x80 && byte < 0xA0 && kHighControls[byte - 0x80] != 0
                                            ? kHighControls[byte - 0x80]
                                            : byte;
        AppendUtf8(out, codePoint);
    }
    return out;
}
