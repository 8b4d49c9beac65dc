#pragma once

// What ReadTga and the texture loaders return. The operations return a plain
// int so that callers may ignore or compare the code as a number.
enum TgaResult {
    TgaOk = 0,
    // The file cannot be opened; the image record is left as it was.
    TgaCannotOpen = 1,
    // Image type other than 2 or 10, or a depth other than 24 or 32 bits.
    TgaUnsupportedType = 2,
    // The pixel buffer (or the buffer the file is read into) cannot be had.
    TgaNoMemory = 3,
    // A side that is not a power of two from 1 to 512.
    TgaBadSize = 4,
};
