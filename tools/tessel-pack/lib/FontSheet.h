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

    // How the font is drawn into the cells. `size`: the height in pixels
    // that the font's line (highest ascender to lowest descender) is scaled
    // to; at 16 it fills the cell's height exactly, and a larger size draws
    // bigger letters whose top and bottom may be cut by the cell. `width`:
    // the horizontal scale in percent, so that a font narrower than the
    // advance can be widened to fill it (100 keeps its own proportions).
    struct Style {
        int size = kCell;
        int width = 100;
    };

    static bool Render(const std::string& ttfPath, const Style& style, Picture& sheet, std::string& error);
};
