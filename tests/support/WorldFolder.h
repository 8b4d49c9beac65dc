#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "support/MapFileBuilder.h"
#include "support/TempDir.h"

// A game folder written by a test: the world file "wor/Sylva.world", script
// containers in tsl/, maps in map/ and pictures in tga/, laid out as the
// game reads them from its working directory.
class WorldFolder {
public:
    using Script = std::pair<std::uint16_t, std::string>;
    struct Texture {
        std::uint16_t name;
        std::string file;
    };

    // The world file's bytes: script list, texture list, start script.
    static std::vector<std::uint8_t> WorldBytes(const std::vector<std::string>& scriptFiles,
                                                const std::vector<Texture>& textures,
                                                std::uint16_t startScript);

    // A world of one script container "main.tsl" holding `scripts`, started
    // by `startScript`, with the given textures.
    void World(const std::vector<Script>& scripts, std::uint16_t startScript,
               const std::vector<Texture>& textures = {}) const;
    void Map(const std::string& name, const MapFileBuilder& map) const;
    // A 32 x 32 picture of one colour, as a 24-bit TGA.
    void SolidPicture(const std::string& file, std::uint8_t r, std::uint8_t g, std::uint8_t b) const;

    const std::string& Path() const { return dir.Path(); }

private:
    TempDir dir;
};
