#include "game/ScreenCapture.h"

#include <GL/gl.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/DataFile.h"

std::string NextCaptureName(const std::string& folder)
{
    for (int number = 1; number <= 9999; ++number) {
        char name[32];
        std::snprintf(name, sizeof name, "captures\\%04d.tga", number);
        const std::string path = folder + name;
        // A symbolic link is a taken name, even one that leads nowhere:
        // writing through it would put the picture wherever it points.
        std::error_code error;
        if (!std::filesystem::exists(std::filesystem::symlink_status(HostPath(path), error)))
            return path;
    }
    return "";
}

namespace {
// The RGB pixels of the picture being drawn, rows from the bottom.
void ReadFramePixels(int width, int height, std::uint8_t* pixels)
{
#ifdef __EMSCRIPTEN__
    // WebGL reads only RGBA, and only the buffer being drawn.
    const std::size_t count = static_cast<std::size_t>(width) * height;
    std::vector<std::uint8_t> rgba(count * 4);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    for (std::size_t i = 0; i < count; ++i)
        for (std::size_t channel = 0; channel < 3; ++channel)
            pixels[i * 3 + channel] = rgba[i * 4 + channel];
#else
    glFinish();
    glReadBuffer(GL_BACK);
    GLint previousAlignment = 4;
    glGetIntegerv(GL_PACK_ALIGNMENT, &previousAlignment);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels);
    glPixelStorei(GL_PACK_ALIGNMENT, previousAlignment);
#endif
}
}  // namespace

std::string SaveScreenCapture(int width, int height, std::string& error, const std::string& folder)
{
    std::error_code made;
    std::filesystem::create_directories(HostPath(folder + "captures"), made);
    const std::string name = NextCaptureName(folder);
    if (name.empty()) {
        error = "captures: no free number left";
        return "";
    }

    const std::size_t pixelBytes = static_cast<std::size_t>(width) * height * 3;
    std::vector<std::uint8_t> file(18 + pixelBytes, 0);
    file[2] = 2;  // uncompressed true colour
    file[12] = static_cast<std::uint8_t>(width & 0xFF);
    file[13] = static_cast<std::uint8_t>(width >> 8);
    file[14] = static_cast<std::uint8_t>(height & 0xFF);
    file[15] = static_cast<std::uint8_t>(height >> 8);
    file[16] = 24;
    // Rows top-down with the top-left origin bit set: the format allows
    // bottom-up rows too, but many viewers ignore the bit and would show
    // such a picture upside down.
    file[17] = 0x20;

    // OpenGL reads rows bottom-up: read them aside, then write them in the
    // file in the opposite order.
    std::vector<std::uint8_t> bottomUp(pixelBytes);
    ReadFramePixels(width, height, bottomUp.data());
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
    for (int row = 0; row < height; ++row) {
        const std::uint8_t* from = bottomUp.data() + (height - 1 - row) * rowBytes;
        std::uint8_t* to = file.data() + 18 + row * rowBytes;
        for (std::size_t i = 0; i < rowBytes; i += 3) {
            // TGA stores blue first.
            to[i] = from[i + 2];
            to[i + 1] = from[i + 1];
            to[i + 2] = from[i];
        }
    }

    if (!WriteNewDataFile(name, file.data(), file.size())) {
        error = "Cannot write " + name;
        return "";
    }
    return name;
}
