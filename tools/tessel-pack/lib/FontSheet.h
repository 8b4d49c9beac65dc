#pragma once

#include <string>

#include "lib/Picture.h"

// The game's glyph sheet drawn from a TrueType font: 16 x 16 cells of
// 16 x 16 pixels (a 256 x 256 picture), the cell of byte b in column
// b mod 16 and row b div 16 from the top, in Windows-1252 order. Glyphs are
// white, their coverage in the alpha channel, standing on a baseline so that
// the letters fill the cell's height and fit the game's 12-pixel advance.
class FontSheet {
public:
    static const int kCell = 16;
    static const int kAdvance = 12;

    static bool Render(const std::string& ttfPath, Picture& sheet, std::string& error);
};
