#include "engine/ScaledPresenter.h"

#include "engine/GlDrawingState.h"

namespace {
// OpenGL 1.1 textures have power-of-two sides.
int PowerOfTwoAtLeast(int size)
{
    int side = 1;
    while (side < size)
        side *= 2;
    return side;
}
}  // namespace

void ScaledPresenter::MakeTexture(const PixelScale& scale)
{
    textureWidth = PowerOfTwoAtLeast(scale.gameWidth);
    textureHeight = PowerOfTwoAtLeast(scale.gameHeight);
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, textureWidth, textureHeight, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 nullptr);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
}

void ScaledPresenter::Release()
{
    if (texture)
        glDeleteTextures(1, &texture);
    texture = 0;
}

void ScaledPresenter::Present(const PixelScale& scale)
{
    if (!texture)
        MakeTexture(scale);
    glBindTexture(GL_TEXTURE_2D, texture);
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, 0, 0, scale.gameWidth, scale.gameHeight);

    glViewport(0, 0, scale.windowWidth, scale.windowHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, scale.windowWidth, scale.windowHeight, 0, 0, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClear(GL_COLOR_BUFFER_BIT);

    glDisable(GL_BLEND);
    glDisable(GL_CULL_FACE);
    glEnable(GL_TEXTURE_2D);
    glColor4f(1, 1, 1, 1);
    const float u = static_cast<float>(scale.gameWidth) / textureWidth;
    const float v = static_cast<float>(scale.gameHeight) / textureHeight;
    const float left = static_cast<float>(scale.offsetX);
    const float top = static_cast<float>(scale.offsetY);
    const float right = left + static_cast<float>(scale.gameWidth * scale.factor);
    const float bottom = top + static_cast<float>(scale.gameHeight * scale.factor);
    // Texture row 0 is the bottom row of the copied picture.
    glBegin(GL_QUADS);
    glTexCoord2f(0, v);
    glVertex2f(left, top);
    glTexCoord2f(u, v);
    glVertex2f(right, top);
    glTexCoord2f(u, 0);
    glVertex2f(right, bottom);
    glTexCoord2f(0, 0);
    glVertex2f(left, bottom);
    glEnd();
    ApplyGlDrawingState();
}
