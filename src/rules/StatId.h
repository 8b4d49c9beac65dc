#pragma once

#include <cstdint>

// Names a statistic that experience can raise. Menus carry it as a plain
// integer, so any other value can reach the rules; they price it at 0.
enum class StatId : std::int32_t {
    HpMax = 0,
    MpMax = 1,
    EpMax = 2,
    Attack = 3,
    Mastery = 4,
    Dodge = 5,
    Resistance = 6,
    Magic = 7,
    Aura = 8,
    HeroRank = 9,
    Mapt = 10,
};
