#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "lib/Diagnostics.h"
#include "game/GameSettings.h"
#include "lib/WorldSpec.h"

class OutputFolder;

// Turns a game folder back into sources that tessel-pack packs to the same
// bytes: world.json, scripts/<container>.txt as UTF-8 with "@script" lines,
// art/*.png for every picture and maps/<name>.tmx for every map (with the
// tilesets Tiled needs). The source folder is written as a whole or not at
// all.
class GameUnpacker {
public:
    GameUnpacker(std::string gameDir, Diagnostics& diagnostics);

    bool Unpack(const std::string& sourceDir);

private:
    bool ReadGameFile(const std::string& relative, std::vector<std::uint8_t>& bytes, bool required);
    // Whether a name the game's files give (a container, a picture) is one
    // plain file name in `folder`; reports it at the file `listedIn`
    // (relative to the game folder) when not.
    bool NameStaysInside(const std::string& name, const std::string& folder, const std::string& listedIn);
    std::string FindWorldFile();
    void UnpackScripts(const std::vector<std::string>& containers, const std::string& listedIn,
                       OutputFolder& folder);
    // The PNG source of a picture of tga\, made once; "" when it cannot be.
    std::string PictureSource(const std::string& tgaFile, const std::string& listedIn, OutputFolder& folder);
    void UnpackMaps(OutputFolder& folder);

    std::string gameDir;
    Diagnostics& diagnostics;
    WorldSpec world;
    GameSettings settings;
    std::map<std::string, std::string> pngOfTga;
};
