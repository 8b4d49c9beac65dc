#include "support/FrameBuffer.h"

#include <GL/gl.h>

namespace {
int ViewportHeight()
{
    GLint viewport[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, viewport);
    return viewport[3];
}
}

namespace FrameBuffer {

Rgba ReadPixel(int x, int y)
{
    return ReadRegion(x, y, 1, 1).front();
}

std::vector<Rgba> ReadRegion(int x, int y, int width, int height)
{
    std::vector<Rgba> bottomUp(static_cast<size_t>(width) * height);
    glFinish();
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, ViewportHeight() - y - height, width, height, GL_RGBA, GL_UNSIGNED_BYTE,
                 bottomUp.data());
    std::vector<Rgba> topDown(bottomUp.size());
    for (int row = 0; row < height; ++row)
        for (int col = 0; col < width; ++col)
            topDown[row * width + col] = bottomUp[(height - 1 - row) * width + col];
    return topDown;
}

}  // namespace FrameBuffer
