#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "image/TgaDecoder.h"
#include "image/TgaImage.h"
#include "platform/DataFile.h"

namespace {
// Closes the file on every way out of ReadTga.
class OpenFile {
public:
    explicit OpenFile(std::FILE* file) : file(file) {}
    ~OpenFile()
    {
        if (file)
            std::fclose(file);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;

    std::FILE* Get() const { return file; }

private:
    std::FILE* file;
};

// The file's bytes as far as decoding can use them.
class FileBytes {
public:
    ~FileBytes() { std::free(bytes); }
    FileBytes() = default;
    FileBytes(const FileBytes&) = delete;
    FileBytes& operator=(const FileBytes&) = delete;

    bool Allocate(std::size_t capacity)
    {
        bytes = static_cast<std::uint8_t*>(std::malloc(capacity));
        return bytes != nullptr;
    }
    std::uint8_t* Data() const { return bytes; }

private:
    std::uint8_t* bytes = nullptr;
};
}  // namespace

int ReadTga(TgaImage& image, const std::string& path)
{
    OpenFile file(OpenDataFile(path, "rb"));
    if (!file.Get())
        return TgaCannotOpen;

    std::uint8_t headerBytes[TgaHeader::kSize];
    std::size_t headerSize = std::fread(headerBytes, 1, sizeof headerBytes, file.Get());
    TgaHeader header = TgaHeader::Parse(headerBytes, headerSize);
    TgaDecoder decoder(header);
    int code = decoder.Prepare(image);
    if (code != TgaOk)
        return code;

    // The file is read in one go, but never further than the checked header
    // says the picture can reach: trailing data, however large, is not read.
    std::size_t limit = header.EncodedSizeLimit();
    FileBytes bytes;
    if (!bytes.Allocate(limit))
        return TgaNoMemory;
    std::memcpy(bytes.Data(), headerBytes, headerSize);
    std::size_t size = headerSize;
    if (headerSize == TgaHeader::kSize)
        size += std::fread(bytes.Data() + size, 1, limit - size, file.Get());

    code = decoder.Allocate(image);
    if (code != TgaOk)
        return code;
    decoder.Decode(image, TgaByteSource(bytes.Data(), size, header.PixelDataOffset()));
    return TgaOk;
}
