#include "widgets/GlShapes.h"

#include <GL/gl.h>

namespace GlShapes {

void SetColor(const CColor& color)
{
    glColor4f(color.r, color.g, color.b, color.a);
}

void FillRect(int x, int y, int w, int h, const CColor& top, const CColor& bottom)
{
    // Every corner is given its colour: the browser's OpenGL emulation keeps
    // a colour with each vertex only when one is set for each.
    glBegin(GL_QUADS);
    SetColor(top);
    glVertex2i(x, y);
    SetColor(top);
    glVertex2i(x + w, y);
    SetColor(bottom);
    glVertex2i(x + w, y + h);
    SetColor(bottom);
    glVertex2i(x, y + h);
    glEnd();
}

void OutlineRect(int x, int y, int w, int h, const CColor& color)
{
    SetColor(color);
    glBegin(GL_LINE_LOOP);
    glVertex2i(x, y);
    glVertex2i(x + w, y);
    glVertex2i(x + w, y + h);
    glVertex2i(x, y + h);
    glEnd();
}

void DrawInnerShadow(int x, int y, int w, int h, const CColor& color)
{
    SetColor(color);
    glBegin(GL_LINE_STRIP);
    glVertex2i(x + 1, y + h - 1);
    glVertex2i(x + 1, y + 1);
    glVertex2i(x + w - 1, y + 1);
    glEnd();
}

void FillTriangle(int x0, int y0, int x1, int y1, int x2, int y2, const CColor& color)
{
    SetColor(color);
    glBegin(GL_TRIANGLES);
    glVertex2i(x0, y0);
    glVertex2i(x1, y1);
    glVertex2i(x2, y2);
    glEnd();
}

}  // namespace GlShapes
