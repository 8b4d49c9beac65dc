#pragma once

#include <cstdint>

// The experience pool a raise is paid from.
enum class XpPool : std::int32_t {
    Physical = 11,
    Magical = 12,
};
