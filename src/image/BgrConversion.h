#pragma once

#include <cstddef>
#include <cstdint>

// Bulk conversions of the file's pixel order to the order held in memory,
// `count` pixels; `from` and `to` must not overlap. They work on whole vectors
// where the processor has them, whatever the compiler's optimisation level.

// B, G, R to R, G, B, sixteen pixels at a time.
void ConvertBgrPixels(const std::uint8_t* from, std::uint8_t* to, std::size_t count);

// B, G, R, A to R, G, B, A, four pixels at a time.
void ConvertBgraPixels(const std::uint8_t* from, std::uint8_t* to, std::size_t count);
