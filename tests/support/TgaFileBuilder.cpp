#include "support/TgaFileBuilder.h"

TgaFileBuilder::TgaFileBuilder(std::uint8_t imageType, std::uint16_t width, std::uint16_t height,
                               std::uint8_t pixelDepth, std::uint8_t descriptor)
    : header(18, 0)
{
    header[2] = imageType;
    header[12] = static_cast<std::uint8_t>(width & 0xFF);
    header[13] = static_cast<std::uint8_t>(width >> 8);
    header[14] = static_cast<std::uint8_t>(height & 0xFF);
    header[15] = static_cast<std::uint8_t>(height >> 8);
    header[16] = pixelDepth;
    header[17] = descriptor;
}

TgaFileBuilder& TgaFileBuilder::Id(const std::vector<std::uint8_t>& idBytes)
{
    id = idBytes;
    header[0] = static_cast<std::uint8_t>(id.size());
    return *this;
}

TgaFileBuilder& TgaFileBuilder::Bytes(const std::vector<std::uint8_t>& bytes)
{
    body.insert(body.end(), bytes.begin(), bytes.end());
    return *this;
}

TgaFileBuilder& TgaFileBuilder::Pixel(const PicturePixel& p)
{
    body.push_back(p.b);
    body.push_back(p.g);
    body.push_back(p.r);
    if (header[16] == 32)
        body.push_back(p.a);
    return *this;
}

TgaFileBuilder& TgaFileBuilder::Run(unsigned count, const PicturePixel& p)
{
    body.push_back(static_cast<std::uint8_t>(0x80 | (count - 1)));
    return Pixel(p);
}

TgaFileBuilder& TgaFileBuilder::Literal(const std::vector<PicturePixel>& pixels)
{
    body.push_back(static_cast<std::uint8_t>(pixels.size() - 1));
    for (const PicturePixel& p : pixels)
        Pixel(p);
    return *this;
}

std::vector<PicturePixel> TgaFileBuilder::InFileOrder(const TestPicture& picture) const
{
    bool topFirst = (header[17] & 0x20) != 0;
    std::vector<PicturePixel> order;
    for (std::uint32_t row = 0; row < picture.height; ++row) {
        std::uint32_t y = topFirst ? row : picture.height - 1 - row;
        for (std::uint32_t x = 0; x < picture.width; ++x)
            order.push_back(picture.At(x, y));
    }
    return order;
}

TgaFileBuilder& TgaFileBuilder::RawPicture(const TestPicture& picture)
{
    for (const PicturePixel& p : InFileOrder(picture))
        Pixel(p);
    return *this;
}

TgaFileBuilder& TgaFileBuilder::RunLengthPicture(const TestPicture& picture)
{
    std::vector<PicturePixel> order = InFileOrder(picture);
    std::size_t i = 0;
    while (i < order.size()) {
        std::size_t same = 1;
        while (i + same < order.size() && same < 128 && order[i + same] == order[i])
            ++same;
        if (same >= 2) {
            Run(static_cast<unsigned>(same), order[i]);
            i += same;
            continue;
        }
        std::vector<PicturePixel> literal;
        while (i < order.size() && literal.size() < 128 &&
               !(i + 1 < order.size() && order[i + 1] == order[i]))
            literal.push_back(order[i++]);
        if (literal.empty())
            continue;
        Literal(literal);
    }
    return *this;
}

std::vector<std::uint8_t> TgaFileBuilder::Build() const
{
    std::vector<std::uint8_t> file = header;
    file.insert(file.end(), id.begin(), id.end());
    file.insert(file.end(), body.begin(), body.end());
    return file;
}
