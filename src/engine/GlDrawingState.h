#pragma once

// The OpenGL state everything is drawn with: black clear colour, no texture
// until a drawer binds one, smooth shading, alpha blending, and back faces
// culled with clockwise front faces — under the y-down pixel projection every
// quad is given in clockwise screen order.
void ApplyGlDrawingState();
