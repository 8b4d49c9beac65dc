#pragma once

#include <cstddef>
#include <cstdint>

// B, G, R pixels to R, G, B, `count` of them; `from` and `to` must not
// overlap. Works sixteen pixels at a time where the processor allows it.
void ConvertBgrPixels(const std::uint8_t* from, std::uint8_t* to, std::size_t count);
