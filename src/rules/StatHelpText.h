#pragma once

#include <string>

#include "rules/StatId.h"

// What raising the statistic does, as the conversion list explains it; a
// fallback for a number that names no statistic.
std::string StatHelpText(StatId stat);
