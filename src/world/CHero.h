#pragma once

#include "world/CPerso.h"

// A member of the party. Heroes are created by scripts and survive changes
// of map. The role-playing statistics block follows the common fields here
// once the rules exist; until then a hero is exactly a character.
struct CHero : CPerso {
};
