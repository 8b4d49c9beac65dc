#pragma once

#include "widgets/CColor.h"

// The few immediate-mode shapes the widgets are made of. Every filled shape
// is sent in clockwise screen order, which the game's y-down projection and
// clockwise front faces need to keep it from being culled.
namespace GlShapes {

void SetColor(const CColor& color);

// A filled rectangle whose colour runs from `top` along its top edge to
// `bottom` along its bottom edge.
void FillRect(int x, int y, int w, int h, const CColor& top, const CColor& bottom);

// A line loop through the four corners of the rectangle.
void OutlineRect(int x, int y, int w, int h, const CColor& color);

// The left and top edges, one pixel inside the outline: the sunken look of
// every frame.
void DrawInnerShadow(int x, int y, int w, int h, const CColor& color);

// Corners in clockwise screen order.
void FillTriangle(int x0, int y0, int x1, int y1, int x2, int y2, const CColor& color);

}  // namespace GlShapes
