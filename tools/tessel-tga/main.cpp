// tessel-tga: tells a game author whether the engine reads a TGA picture, and
// what it makes of it.
//
//   tessel-tga FILE [--raw OUT]
//
// Prints "code C width W height H bpp B" (ReadTga's code and the record after
// the read); for a refused picture, one sentence on standard error says why.
// With --raw, a picture that was read has its pixel memory written to OUT as
// the engine holds it: rows bottom-up, R G B [A]. Exit status 0 when the
// picture was read (and written), 1 otherwise, 2 for a wrong command line.

#include <CLI/CLI.hpp>

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <vector>

#include "TgaRefusal.h"
#include "TgaWarnings.h"
#include "image/TgaHeader.h"
#include "image/TgaImage.h"
#include "platform/DataFile.h"

namespace {
// The header as far as the file holds one; `headerBytes` says how much.
TgaHeader ReadHeader(const std::string& path, std::size_t& headerBytes)
{
    std::uint8_t bytes[TgaHeader::kSize];
    headerBytes = 0;
    if (std::FILE* file = OpenDataFile(path, "rb")) {
        headerBytes = std::fread(bytes, 1, sizeof bytes, file);
        std::fclose(file);
    }
    return TgaHeader::Parse(bytes, headerBytes);
}

// The bytes of the file that decoding can use, and none past them.
std::vector<std::uint8_t> ReadPictureBytes(const std::string& path)
{
    std::size_t headerBytes = 0;
    std::vector<std::uint8_t> bytes(ReadHeader(path, headerBytes).EncodedSizeLimit());
    std::size_t got = 0;
    if (std::FILE* file = OpenDataFile(path, "rb")) {
        got = std::fread(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    bytes.resize(got);
    return bytes;
}
}  // namespace

int main(int argc, char** argv)
{
    CLI::App app{"Reads a TGA picture as the engine does and reports the result."};
    std::string path;
    std::string rawPath;
    app.add_option("FILE", path, "TGA picture to read")->required();
    app.add_option("--raw", rawPath, "write the decoded pixel memory (rows bottom-up, R G B [A]) here");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        int status = app.exit(error);
        return status == 0 ? 0 : 2;
    }

    std::error_code error;
    if (std::filesystem::is_directory(HostPath(path), error)) {
        std::cerr << path << " is a folder, not a picture: give the path of one TGA file.\n";
        return 1;
    }

    TgaImage image;
    int code = ReadTga(image, path);
    std::cout << "code " << code << " width " << image.width << " height " << image.height
              << " bpp " << image.bytesPerPixel << "\n";
    if (code != TgaOk) {
        std::size_t headerBytes = 0;
        TgaHeader header = ReadHeader(path, headerBytes);
        std::cerr << ExplainRefusal(code, path, image, header, headerBytes) << "\n";
        return 1;
    }
    for (const std::string& warning : TgaWarnings(ReadPictureBytes(path)))
        std::cerr << path << ": warning: " << warning << "\n";
    if (!rawPath.empty()) {
        std::size_t size = std::size_t{image.width} * image.height * image.bytesPerPixel;
        if (!WriteDataFile(rawPath, image.pixels, size)) {
            std::cerr << "The pixels could not be written to " << rawPath << ".\n";
            return 1;
        }
    }
    return 0;
}
