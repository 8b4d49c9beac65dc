#pragma once

#include <cstddef>
#include <cstdint>

// Reverses the order of the rows of a pixel buffer in place: row i changes
// places with row height - 1 - i.
void ReverseRows(std::uint8_t* pixels, std::size_t rowBytes, std::size_t height);
