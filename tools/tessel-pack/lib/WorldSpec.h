#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// What world.json asks for. Every entry remembers where world.json names it,
// so that a later problem with its file can point there.
struct WorldSpec {
    struct Place {
        int line = 0;
        int column = 0;
    };
    struct Font {
        bool wanted = false;
        std::string ttf;
        std::uint16_t texture = 0;
        std::string file;
        // Drawing sizes of the glyph sheet (see FontSheet::Style).
        int size = 16;
        int width = 100;
        Place place;
    };
    struct Script {
        std::string source;
        std::string file;
        Place place;
    };
    struct Texture {
        std::uint16_t texture = 0;
        std::string source;
        std::string file;
        Place place;
    };
    struct Map {
        std::string source;
        std::string name;
        Place place;
    };

    std::string name;
    // The window's title; empty: the game's own.
    std::string title;
    std::uint16_t startScript = 0;
    Place startScriptPlace;
    Font font;
    std::vector<Script> scripts;
    std::vector<Texture> textures;
    std::vector<Map> maps;
    // Further lines of the game folder's settings file (game.cfg), in order,
    // from the world.json keys that switch on behaviours of the game.
    std::vector<std::pair<std::string, std::string>> settings;
};
