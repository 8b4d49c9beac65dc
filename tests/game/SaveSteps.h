#pragma once

#include <cstdint>
#include <vector>

#include "support/GameHarness.h"

// What the save tests do as a player would, and what they compare.

// Moves a list's cursor with the arrow keys onto the entry of `value`.
void HighlightWithArrows(GameHarness& run, CChoiceBox& list, std::int32_t value);

// The whole state of the game as a save would hold it, play time aside:
// equal for two games a player could not tell apart.
std::vector<std::uint8_t> StateAsSaved(CGame& game);
