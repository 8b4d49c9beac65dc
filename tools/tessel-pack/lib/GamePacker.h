#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "lib/Diagnostics.h"
#include "lib/WorldChecker.h"
#include "lib/WorldSpec.h"

// Turns a source folder (world.json and the files it names) into a game
// folder: wor/<name>.world, tsl/ script containers, tga/ pictures and map/
// maps. Everything is checked and built in memory first; the game folder
// is written only when no error was found, as a whole.
class GamePacker {
public:
    GamePacker(std::string sourceDir, Diagnostics& diagnostics);

    // Reads and checks everything; true when no error was found.
    bool Build();
    // Writes what Build made to `gameDir` (replacing a game folder there).
    bool Write(const std::string& gameDir);

    // Files of the game folder by their path in it ("tsl/village.tsl").
    const std::map<std::string, std::vector<std::uint8_t>>& Files() const { return files; }

private:
    bool ReadText(const std::string& relative, const WorldSpec::Place& place, std::string& text);
    void Add(const std::string& path, std::vector<std::uint8_t> bytes, const std::string& from,
             const WorldSpec::Place& place);
    void PackScripts();
    void PackFont();
    void PackTextures();
    void PackMaps();
    bool PackPicture(const std::string& path, const std::string& display, const std::string& tgaFile,
                     const WorldSpec::Place& place);
    void PackWorldFile();
    std::string SourcePath(const std::string& relative) const;
    void Error(const WorldSpec::Place& place, const std::string& message);

    std::string sourceDir;
    Diagnostics& diagnostics;
    WorldSpec world;
    WorldChecker checker{world, diagnostics};
    std::set<std::uint16_t> scriptIds;
    std::map<std::string, std::vector<std::uint8_t>> files;
    std::map<std::string, std::string> madeFrom;
};
