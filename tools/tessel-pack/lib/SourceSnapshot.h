#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// When each source file was last changed: every file under the source
// folder (world.json, scripts, pictures, maps, tilesets) and the files that
// world.json names outside it. Two snapshots differ when a file was saved,
// added or removed.
class SourceSnapshot {
public:
    // `skipDir`: a folder inside the source folder that is not looked at
    // (the game folder, when it is written there); `outside`: files that
    // lie outside the source folder and are looked at as well.
    static SourceSnapshot Take(const std::string& sourceDir, const std::string& skipDir,
                               const std::vector<std::string>& outside);

    // The files outside the source folder that the world uses: those that
    // world.json names, and the tilesets and pictures that its maps (and
    // their tilesets) name. Read from the files, so ask again after a change.
    static std::vector<std::string> Outside(const std::string& sourceDir);

    // A file that differs between the two, or "" when none does.
    std::string Changed(const SourceSnapshot& before) const;

private:
    struct Stamp {
        long long modified = 0;
        std::uintmax_t size = 0;
        bool operator==(const Stamp& other) const { return modified == other.modified && size == other.size; }
    };
    void Add(const std::string& path);

    std::map<std::string, Stamp> files;
};
