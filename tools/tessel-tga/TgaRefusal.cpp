#include "TgaRefusal.h"

namespace {
std::string TypeName(unsigned type)
{
    switch (type) {
    case 0:
        return " (no picture data)";
    case 1:
        return " (colour-mapped)";
    case 3:
        return " (black and white)";
    case 9:
        return " (run-length colour-mapped)";
    case 11:
        return " (run-length black and white)";
    default:
        return "";
    }
}

std::string BadSide(const char* side, std::uint32_t value, std::size_t headerBytes)
{
    std::string sentence = "The " + std::string(side) + " " + std::to_string(value) +
                           " is not a power of two from 1 to 512, so the engine does not read "
                           "the picture";
    if (headerBytes < TgaHeader::kSize)
        sentence += " (the file ends inside its 18-byte header, and missing header bytes read "
                    "as 255)";
    return sentence + ".";
}
}  // namespace

std::string ExplainRefusal(int code, const std::string& path, const TgaImage& image,
                           const TgaHeader& header, std::size_t headerBytes)
{
    switch (code) {
    case TgaCannotOpen:
        return "The file " + path + " cannot be opened.";
    case TgaBadSize:
        if (!TgaHeader::IsLegalSide(image.width))
            return BadSide("width", image.width, headerBytes);
        return BadSide("height", image.height, headerBytes);
    case TgaUnsupportedType:
        if (header.imageType != TgaHeader::kTrueColor &&
            header.imageType != TgaHeader::kTrueColorRle)
            return "Image type " + std::to_string(header.imageType) + TypeName(header.imageType) +
                   " is not read: the engine reads only uncompressed (2) and run-length (10) "
                   "true-colour pictures.";
        return std::to_string(header.pixelDepth) +
               "-bit pictures are not read: the engine reads only 24-bit and 32-bit pictures.";
    case TgaNoMemory:
        return "There is not enough memory for the pixels of a " + std::to_string(image.width) +
               " x " + std::to_string(image.height) + " picture.";
    default:
        return "The picture was refused with code " + std::to_string(code) + ".";
    }
}
