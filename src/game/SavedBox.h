#pragma once

#include <cstdint>
#include <string>

#include "script/ScriptCommand.h"

// The script's box that was open when the game was saved (a message, a
// dialogue, a choice or an input), kept as the world command that opened it
// and how far the player had got in it. Loading carries the command out
// again and brings the box to the same point.
struct SavedBox {
    // 5 message, 6 dialogue, 7 choice, 8 input; 0 when no box was open.
    std::uint16_t mode = 0;
    ScriptCommand command;
    // Messages and dialogues: the pages not yet turned past.
    std::uint32_t pagesLeft = 0;
    // Choices: the highlighted entry.
    std::int32_t selected = 0;
    // Inputs: what the player has typed so far.
    std::string typed;
};
