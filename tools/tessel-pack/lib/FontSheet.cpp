#include "lib/FontSheet.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <vector>

#include "lib/Cp1252.h"

#define STBTT_STATIC
#define STB_TRUETYPE_IMPLEMENTATION
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#endif
#include <stb_truetype.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

namespace {

bool IsDrawn(int byte)
{
    const char32_t c = Cp1252::ToUnicode(static_cast<unsigned char>(byte));
    return c >= 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0);
}

} // namespace

bool FontSheet::Render(const std::string& ttfPath, const Style& style, Picture& sheet, std::string& error)
{
    std::ifstream file(ttfPath, std::ios::binary);
    if (!file) {
        error = "cannot open the font";
        return false;
    }
    const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    stbtt_fontinfo font;
    const int offset = bytes.empty() ? -1 : stbtt_GetFontOffsetForIndex(bytes.data(), 0);
    if (offset < 0 || !stbtt_InitFont(&font, bytes.data(), offset)) {
        error = "not a TrueType font";
        return false;
    }
    const float scale = stbtt_ScaleForPixelHeight(&font, static_cast<float>(style.size));
    const float scaleX = scale * static_cast<float>(style.width) / 100.0f;
    int ascent = 0, descent = 0, lineGap = 0;
    stbtt_GetFontVMetrics(&font, &ascent, &descent, &lineGap);
    // A line taller than the cell loses the same share at its top (accents
    // over capitals) as at its bottom (descenders).
    const int baseline = static_cast<int>(ascent * scale + 0.5f) - (style.size - kCell) / 2;

    sheet.width = sheet.height = 16 * kCell;
    sheet.channels = 4;
    sheet.pixels.assign(static_cast<std::size_t>(sheet.width) * sheet.height * 4, 0);
    for (std::size_t i = 0; i < sheet.pixels.size(); i += 4)
        sheet.pixels[i] = sheet.pixels[i + 1] = sheet.pixels[i + 2] = 255;

    for (int byte = 0; byte < 256; ++byte) {
        if (!IsDrawn(byte))
            continue;
        const int codepoint = static_cast<int>(Cp1252::ToUnicode(static_cast<unsigned char>(byte)));
        if (stbtt_FindGlyphIndex(&font, codepoint) == 0)
            continue;
        int advance = 0, bearing = 0;
        stbtt_GetCodepointHMetrics(&font, codepoint, &advance, &bearing);
        int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
        stbtt_GetCodepointBitmapBox(&font, codepoint, scaleX, scale, &x0, &y0, &x1, &y1);
        const int width = x1 - x0, height = y1 - y0;
        if (width <= 0 || height <= 0)
            continue;
        // Centred in the advance the game gives each character.
        const int left = (kAdvance - static_cast<int>(advance * scaleX + 0.5f)) / 2 + x0;
        const int top = baseline + y0;
        std::vector<unsigned char> coverage(static_cast<std::size_t>(width) * height);
        stbtt_MakeCodepointBitmap(&font, coverage.data(), width, height, width, scaleX, scale, codepoint);
        const int cellX = (byte % 16) * kCell, cellY = (byte / 16) * kCell;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const int px = left + x, py = top + y;
                if (px < 0 || px >= kCell || py < 0 || py >= kCell)
                    continue;
                const std::size_t at = (static_cast<std::size_t>(cellY + py) * sheet.width + cellX + px) * 4;
                sheet.pixels[at + 3] = std::max(sheet.pixels[at + 3], coverage[static_cast<std::size_t>(y) * width + x]);
            }
        }
    }
    return true;
}
