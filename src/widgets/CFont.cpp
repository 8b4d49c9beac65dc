#include "widgets/CFont.h"

#include <GL/gl.h>

#include "widgets/DefaultFontTexture.h"

namespace {

const float kCell = 1.0f / 16.0f;

struct Rgb {
    float r, g, b;
};

const Rgb kPalette[] = {
    {1, 1, 1},  // 1 white
    {0, 0, 0},  // 2 black
    {1, 0, 0},  // 3 red
    {0, 1, 0},  // 4 green
    {0, 0, 1},  // 5 blue
    {1, 1, 0},  // 6 yellow
};

}  // namespace

CFont::CFont()
{
    SetColor(1);
}

void CFont::SetColor(int index)
{
    const int count = static_cast<int>(sizeof kPalette / sizeof kPalette[0]);
    if (index < 1 || index > count)
        return;
    const Rgb& colour = kPalette[index - 1];
    red = colour.r;
    green = colour.g;
    blue = colour.b;
}

void CFont::Draw(const std::string& text)
{
    if (text.empty())
        return;
    // A font keeps the sheet it first drew with, even if the default
    // changes later.
    if (texture == 0)
        texture = defaultFontTexture;

    // Text is placed in screen pixels whatever the caller has translated.
    glPushMatrix();
    glLoadIdentity();
    glColor4f(red, green, blue, 1);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);

    // The pen moves in whole pixels from the origin; a glyph occupies the
    // `glyphHeight` pixels above the pen's y.
    std::int32_t penX = x;
    std::int32_t penY = y;
    glBegin(GL_QUADS);
    for (char c : text) {
        if (c == '\n') {
            penX = x;
            penY += LineAdvance();
            continue;
        }
        const unsigned byte = static_cast<unsigned char>(c);
        // Lower-left corner of the cell; v is 1 at the top of the image.
        const float u = static_cast<float>(byte % 16) * kCell;
        const float v = static_cast<float>(15 - byte / 16) * kCell;
        glTexCoord2f(u, v);
        glVertex2i(penX, penY);
        glTexCoord2f(u, v + kCell);
        glVertex2i(penX, penY - glyphHeight);
        glTexCoord2f(u + kCell, v + kCell);
        glVertex2i(penX + glyphWidth, penY - glyphHeight);
        glTexCoord2f(u + kCell, v);
        glVertex2i(penX + glyphWidth, penY);
        penX += CharAdvance();
    }
    glEnd();

    glDisable(GL_TEXTURE_2D);
    glPopMatrix();
    glColor4f(1, 1, 1, 1);
}
