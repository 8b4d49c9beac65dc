#pragma once

#include <algorithm>
#include <cstdint>

struct HeroStats;
inline void UpdateSpeed(HeroStats& stats);

// A hero's role-playing statistics: three pool maxima, two experience pools,
// eight small attributes, the speed derived from the HP maximum, and luck.
// Every hero starts with these values; only RaiseStat changes them.
struct HeroStats {
    HeroStats() { UpdateSpeed(*this); }

    std::uint32_t hpMax = 500;
    std::uint32_t mpMax = 12;
    std::int32_t epMax = 15;
    std::int32_t xpPhysical = 1200;
    std::int32_t xpMagical = 700;
    std::uint8_t attack = 10;
    std::uint8_t mastery = 12;
    std::uint8_t dodge = 3;
    std::uint8_t resistance = 8;
    std::uint8_t magic = 14;
    std::uint8_t aura = 7;
    std::uint8_t heroRank = 2;
    // Derived from hpMax by UpdateSpeed.
    std::uint8_t speed = 0;
    std::uint8_t mapt = 3;
    std::uint8_t luck = 1;
};

// One point of speed per 100 HP of maximum, at most 100.
inline void UpdateSpeed(HeroStats& stats)
{
    stats.speed = static_cast<std::uint8_t>(std::min<std::uint32_t>(stats.hpMax / 100, 100));
}
