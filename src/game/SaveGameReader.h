#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "game/SavedGame.h"

// Reads the bytes SaveGameWriter writes. Any file that is not one whole,
// undamaged save of a version this game knows is refused with one sentence
// for the player; `game` is then left as it was.
class SaveGameReader {
public:
    static bool Read(const std::uint8_t* bytes, std::size_t size, SavedGame& game, std::string& whyRefused);

    static const char* const kNotASave;
    static const char* const kNewerVersion;
    static const char* const kDamaged;
};
