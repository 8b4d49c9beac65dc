#pragma once

#include <cstdint>

// Direction codes shared by facings and move requests.
namespace Direction {
constexpr std::uint16_t kLeft = 0;
constexpr std::uint16_t kDown = 1;
constexpr std::uint16_t kRight = 2;
constexpr std::uint16_t kUp = 3;
// Only in a move request: keep walking the way the character faces.
constexpr std::uint16_t kAhead = 4;
}  // namespace Direction
