#pragma once

#include <string>

#include "lib/Diagnostics.h"
#include "lib/WorldSpec.h"

// Reads world.json. Every problem found is reported at its line and column
// (all of them, not only the first); false when any was an error.
class WorldSource {
public:
    static const char* const kDefaultFont;

    static bool Parse(const std::string& jsonText, const std::string& file, WorldSpec& world,
                      Diagnostics& diagnostics);

    // world.json for a world (what unpacking writes).
    static std::string Write(const WorldSpec& world);

    // A name usable as a file name in the game folder: 1 to `maxLength`
    // printable ASCII characters without '/', '\' or quotes.
    static bool IsFileName(const std::string& name, std::size_t maxLength = 255);
};
