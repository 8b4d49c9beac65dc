#include "world/MapDrawing.h"

#include <GL/gl.h>

#include <cmath>

#include "world/VisibleTiles.h"

namespace {
const float kCellSpan = 0.0625f;  // one cell of a 16 x 16 sheet
const std::int32_t kTile = 32;

// One 32 x 32 quad at screen (left, top), clockwise from its top-left
// corner, showing the texture from s0 to s1 across and t1 (top) down to t0.
void TileCorners(float left, float top, float s0, float t0, float s1, float t1)
{
    const float right = left + kTile, bottom = top + kTile;
    glTexCoord2f(s0, t1);
    glVertex2f(left, top);
    glTexCoord2f(s1, t1);
    glVertex2f(right, top);
    glTexCoord2f(s1, t0);
    glVertex2f(right, bottom);
    glTexCoord2f(s0, t0);
    glVertex2f(left, bottom);
}

void TileQuad(float left, float top, float s0, float t0, float s1, float t1)
{
    glBegin(GL_QUADS);
    TileCorners(left, top, s0, t0, s1, t1);
    glEnd();
}

// The quad of a map tile at screen (x, y), showing its cell of the sheet.
void CellCorners(const MapTile& tile, float x, float y)
{
    // Pictures are stored bottom row first, so the sheet's top row of cells
    // lies at the top of texture space.
    const float ul = float(tile.cell % 16) * kCellSpan;
    const int row = tile.cell / 16;
    const float vb = float(16 - row - 1) * kCellSpan;
    TileCorners(x, y, ul, vb, ul + kCellSpan, vb + kCellSpan);
}
}  // namespace

void DrawLayer(const MapLayer& layer, std::int32_t scrollX, std::int32_t scrollY,
               std::int32_t viewWidth, std::int32_t viewHeight)
{
    const TileSpan columns = VisibleTiles(scrollX, viewWidth, layer.Width());
    const TileSpan rows = VisibleTiles(scrollY, viewHeight, layer.Height());
    glEnable(GL_TEXTURE_2D);
    // Tiles drawn from the same sheet one after another share one run of
    // quads: the same pixels as a quad each, in a fraction of the calls
    // (which the browser's OpenGL emulation pays for dearly).
    std::uint32_t sheet = 0;
    for (int y = rows.first; y < rows.end; ++y) {
        for (int x = columns.first; x < columns.end; ++x) {
            const MapTile& tile = layer.At(std::uint16_t(x), std::uint16_t(y));
            if (tile.texture == 0)
                continue;
            if (tile.texture != sheet) {
                if (sheet != 0)
                    glEnd();
                sheet = tile.texture;
                glBindTexture(GL_TEXTURE_2D, sheet);
                glBegin(GL_QUADS);
            }
            CellCorners(tile, float(scrollX + kTile * x), float(scrollY + kTile * y));
        }
    }
    if (sheet != 0)
        glEnd();
    glDisable(GL_TEXTURE_2D);
}

void DrawTile(const MapTile& tile, std::int32_t x, std::int32_t y)
{
    if (tile.texture == 0)
        return;
    glBindTexture(GL_TEXTURE_2D, tile.texture);
    glBegin(GL_QUADS);
    CellCorners(tile, float(x), float(y));
    glEnd();
}

void DrawCharacter(const CPerso& c, std::int32_t scrollX, std::int32_t scrollY)
{
    glPushMatrix();
    glLoadIdentity();

    const float u = std::floor(c.frame) / 5.333333f;
    // The row's bottom edge: rows from the bottom of texture space are
    // left (0), down (1), right (2), up (3).
    const float v = float(c.facing) / 4.0f;
    const float du = 0.18750001f;
    const float dv = 0.25f;
    const float left = float(c.offsetX + kTile * c.tileX + scrollX);
    const float top = float(c.offsetY + kTile * c.tileY + scrollY);

    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, c.texture);
    TileQuad(left, top, u, v, u + du, v + dv);
    glDisable(GL_TEXTURE_2D);

    glPopMatrix();
}
