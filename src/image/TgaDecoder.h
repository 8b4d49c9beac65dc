#pragma once

#include <cstddef>
#include <cstdint>

#include "image/TgaByteSource.h"
#include "image/TgaHeader.h"
#include "image/TgaImage.h"

// Turns a TGA file held in memory into a TgaImage, in the steps that ReadTga
// interleaves with reading the file.
class TgaDecoder {
public:
    explicit TgaDecoder(const TgaHeader& header) : header(header) {}

    // Releases a previous picture, takes the header's width, height and
    // bytes per pixel into the record, and checks them: TgaBadSize for a
    // side that is not a power of two up to 512, TgaUnsupportedType for a
    // type or depth that is not read. Nothing is allocated here.
    int Prepare(TgaImage& image) const;

    // Allocates the pixel buffer of a prepared record; TgaNoMemory if that
    // fails.
    int Allocate(TgaImage& image) const;

    // Decodes the pixel data from `source` (positioned at the pixel data)
    // into the allocated buffer, puts the rows bottom-up and marks the record
    // loaded.
    void Decode(TgaImage& image, TgaByteSource source) const;

private:
    void DecodeRaw(TgaImage& image, TgaByteSource& source) const;
    void DecodeRunLength(TgaImage& image, TgaByteSource& source) const;

    TgaHeader header;
};

// All of the above on a whole file in memory (`size` bytes; reads past the
// end give 255). Returns a TgaResult code, as ReadTga does for a file.
int DecodeTga(TgaImage& image, const std::uint8_t* bytes, std::size_t size);
