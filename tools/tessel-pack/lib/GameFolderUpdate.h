#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "lib/Diagnostics.h"

// Brings a game folder that this tool made up to date in place, for
// --watch: a game running in the folder (tessel GAME_DIR --dev) keeps its
// working folder, which replacing the folder as a whole would take from it.
// Each changed file is written beside itself and renamed over the old one,
// so the game never reads half a file; files of the game's own folders
// (wor, map, tsl, tga) that the new pass no longer makes are removed, and
// anything else (touches.txt, captures, saves) is left alone.
class GameFolderUpdate {
public:
    // False, with nothing touched, when `gameDir` is not a folder this tool
    // made (no "wor" folder): the caller writes it whole instead.
    static bool CanUpdate(const std::string& gameDir);

    // Returns the number of files written or removed through `changed`.
    static bool Apply(const std::string& gameDir, const std::map<std::string, std::vector<std::uint8_t>>& files,
                      Diagnostics& diagnostics, std::size_t& changed);
};
