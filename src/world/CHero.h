#pragma once

#include "rules/HeroStats.h"
#include "world/CPerso.h"

// A member of the party: a character with role-playing statistics. Heroes
// are created by scripts and survive changes of map.
struct CHero : CPerso {
    HeroStats stats;
};
