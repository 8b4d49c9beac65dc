#pragma once

#include <GL/gl.h>

#include "engine/PixelScale.h"

// Shows the game's picture, drawn pixel for pixel in the bottom-left corner
// of the back buffer, scaled to the whole window: the picture is copied into
// a texture and drawn back enlarged with nearest filtering, so every game
// pixel becomes a sharp square block; the rest of the window is black.
class ScaledPresenter {
public:
    void Present(const PixelScale& scale);
    // The texture belongs to the OpenGL context; after a video mode change
    // it is made again.
    void Forget() { texture = 0; }
    void Release();

private:
    void MakeTexture(const PixelScale& scale);

    GLuint texture = 0;
    int textureWidth = 0;
    int textureHeight = 0;
};
