#pragma once

#include <cstdint>
#include <string>

#include "rules/HeroStats.h"
#include "rules/StatId.h"
#include "rules/XpPool.h"

// Prices of one raise of a statistic; 0 when the pool does not offer it.
// They grow with the statistic's current value.
std::uint32_t PhysicalCost(const HeroStats& stats, StatId stat);
std::uint32_t MagicalCost(const HeroStats& stats, StatId stat);

// Spends experience from the pool to raise the statistic once and returns
// the message to show the player. A price the pool cannot pay changes
// nothing and returns the refusal. Any other pool changes nothing but the
// derived speed.
std::string RaiseStat(HeroStats& stats, StatId stat, XpPool pool);
