#pragma once

#include <cstdint>
#include <string>

// Draws single-byte strings from a glyph sheet: a texture holding a 16 x 16
// grid of cells, one per byte value, the cell of byte b in column b mod 16
// and row b div 16 counted from the top of the image.
class CFont {
public:
    CFont();

    // 1 white, 2 black, 3 red, 4 green, 5 blue, 6 yellow; any other index
    // leaves the colour as it is.
    void SetColor(int index);

    // Draws the text with the left edge of its first glyph at `x` and the
    // bottom edge of its first line at `y`; "\n" starts a new line.
    void Draw(const std::string& text);

    // Distance from one glyph to the next, and from one line to the next.
    std::int32_t CharAdvance() const { return glyphWidth + spacing; }
    std::int32_t LineAdvance() const { return glyphHeight + lineSpacing; }

    // Glyph sheet; 0 takes `defaultFontTexture` at the first draw.
    std::uint32_t texture = 0;
    std::int32_t glyphWidth = 16;
    std::int32_t glyphHeight = 16;
    std::int32_t spacing = -4;
    std::int32_t lineSpacing = 6;
    float red = 1.0f;
    float green = 1.0f;
    float blue = 1.0f;
    // Pen origin in screen pixels.
    std::int32_t x = 0;
    std::int32_t y = 0;
};
