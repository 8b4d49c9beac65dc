#include "support/TestTexture.h"

void UploadTestTexture(GLuint name, int width, int height, const std::vector<Rgba>& topDown)
{
    std::vector<Rgba> bottomUp(topDown.size());
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bottomUp[std::size_t(height - 1 - y) * width + x] = topDown[std::size_t(y) * width + x];
    glBindTexture(GL_TEXTURE_2D, name);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glBindTexture(GL_TEXTURE_2D, 0);
}
