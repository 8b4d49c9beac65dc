#include "lib/Picture.h"

#include "shared/SourceFile.h"

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_NO_STDIO
#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-but-set-variable"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#endif
#include <stb_image.h>
#include <stb_image_write.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

namespace {

void AppendBytes(void* context, void* data, int size)
{
    auto* out = static_cast<std::vector<std::uint8_t>*>(context);
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    out->insert(out->end(), bytes, bytes + size);
}

} // namespace

bool Picture::Load(const std::string& path, Picture& picture, std::string& error, int maxSide)
{
    std::string text;
    if (!SourceFile::Read(path, text, error)) {
        if (error == "cannot be opened")
            error = "cannot open the file";
        return false;
    }
    const std::vector<std::uint8_t> bytes(text.begin(), text.end());
    text.clear();
    int width = 0, height = 0, channels = 0;
    if (!stbi_info_from_memory(bytes.data(), static_cast<int>(bytes.size()), &width, &height, &channels)) {
        error = std::string("not a picture that can be read (") + stbi_failure_reason() + ")";
        return false;
    }
    // The declared size is checked before a single pixel is decoded: a
    // small file can declare gigabytes of pixels.
    if (width > maxSide || height > maxSide) {
        error = "declares " + std::to_string(width) + " x " + std::to_string(height) +
                " pixels, more than the " + std::to_string(maxSide) + " pixels a side that are read";
        return false;
    }
    const int wanted = channels == 2 || channels == 4 ? 4 : 3;
    unsigned char* data = stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &width, &height,
                                                &channels, wanted);
    if (!data) {
        error = std::string("not a picture that can be read (") + stbi_failure_reason() + ")";
        return false;
    }
    picture.width = width;
    picture.height = height;
    picture.channels = wanted;
    picture.pixels.assign(data, data + static_cast<std::size_t>(width) * height * wanted);
    stbi_image_free(data);
    return true;
}

bool Picture::IsGameSide(int side)
{
    return side >= 1 && side <= kLargestGameSide && (side & (side - 1)) == 0;
}

std::vector<std::uint8_t> Picture::Tga() const
{
    std::vector<std::uint8_t> out = {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                     static_cast<std::uint8_t>(width & 0xFF),
                                     static_cast<std::uint8_t>(width >> 8),
                                     static_cast<std::uint8_t>(height & 0xFF),
                                     static_cast<std::uint8_t>(height >> 8),
                                     static_cast<std::uint8_t>(channels * 8),
                                     static_cast<std::uint8_t>(channels == 4 ? 8 : 0)};
    const std::size_t pixelSize = static_cast<std::size_t>(channels);
    auto pixelAt = [&](int x, int y) { return &pixels[(static_cast<std::size_t>(y) * width + x) * pixelSize]; };
    auto same = [&](const std::uint8_t* a, const std::uint8_t* b) {
        for (std::size_t c = 0; c < pixelSize; ++c)
            if (a[c] != b[c])
                return false;
        return true;
    };
    auto put = [&](const std::uint8_t* p) {
        out.push_back(p[2]);
        out.push_back(p[1]);
        out.push_back(p[0]);
        if (pixelSize == 4)
            out.push_back(p[3]);
    };
    for (int y = height - 1; y >= 0; --y) {
        int x = 0;
        while (x < width) {
            // A run of equal pixels, or a stretch of pixels each unlike the next.
            int run = 1;
            while (x + run < width && run < 128 && same(pixelAt(x, y), pixelAt(x + run, y)))
                ++run;
            if (run > 1) {
                out.push_back(static_cast<std::uint8_t>(0x80 | (run - 1)));
                put(pixelAt(x, y));
                x += run;
                continue;
            }
            int literal = 1;
            while (x + literal < width && literal < 128 &&
                   !(x + literal + 1 < width && same(pixelAt(x + literal, y), pixelAt(x + literal + 1, y))))
                ++literal;
            out.push_back(static_cast<std::uint8_t>(literal - 1));
            for (int i = 0; i < literal; ++i)
                put(pixelAt(x + i, y));
            x += literal;
        }
    }
    return out;
}

std::vector<std::uint8_t> Picture::Png() const
{
    std::vector<std::uint8_t> out;
    stbi_write_png_to_func(AppendBytes, &out, width, height, channels, pixels.data(), width * channels);
    return out;
}
