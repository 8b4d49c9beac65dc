#include "TgaWarnings.h"

#include "image/TgaHeader.h"

namespace {

// The bytes that decoding the pixel data uses, with reads past the end of the
// file giving 255 as they do in the engine: run-length packets are followed
// packet by packet.
std::size_t PixelDataEnd(const std::vector<std::uint8_t>& file, const TgaHeader& header)
{
    const std::size_t bytesPerPixel = header.BytesPerPixel();
    const std::size_t pixels = std::size_t(header.width) * header.height;
    std::size_t position = header.PixelDataOffset();
    if (header.imageType != TgaHeader::kTrueColorRle)
        return position + pixels * bytesPerPixel;
    for (std::size_t done = 0; done < pixels;) {
        const std::uint8_t packet = position < file.size() ? file[position] : 255;
        const std::size_t count = (packet & 0x7F) + 1u;
        position += 1 + ((packet & 0x80) ? bytesPerPixel : count * bytesPerPixel);
        done += count;
    }
    return position;
}

} // namespace

std::vector<std::string> TgaWarnings(const std::vector<std::uint8_t>& file)
{
    std::vector<std::string> warnings;
    if (file.size() < TgaHeader::kSize)
        return warnings;
    const TgaHeader header = TgaHeader::Parse(file.data(), file.size());
    const std::uint16_t colourMapLength = static_cast<std::uint16_t>(file[5] | (file[6] << 8));
    if (file[1] != 0 || colourMapLength != 0)
        warnings.push_back("The file carries a colour map of " + std::to_string(colourMapLength) +
                           " entries, which the engine does not skip: it reads it as the first pixels.");
    const std::size_t end = PixelDataEnd(file, header);
    if (end > file.size())
        warnings.push_back("The file ends " + std::to_string(end - file.size()) +
                           " bytes before its pixel data does; the engine fills the rest with bytes of 255.");
    return warnings;
}
