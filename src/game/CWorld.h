#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What a world file names: the script containers to compile, the pictures
// uploaded at start under texture names of the author's choosing, and the
// script that starts the game.
class CWorld {
public:
    struct ScriptEntry {
        std::uint32_t number = 0;  // 1, 2, 3, ... in file order
        std::string file;
    };
    struct TextureEntry {
        std::uint16_t name = 0;
        std::string file;
    };

    // Longest string the format allows before its terminating 0 byte.
    static const std::size_t kMaxStringLength = 255;

    // Replaces the record with the file's contents. False when the file
    // cannot be opened or is not a whole world file; the lists then hold the
    // entries read whole before the fault and the start script is 0, so a
    // damaged world starts nothing.
    bool ReadWorld(const std::string& path);
    // The same from bytes in memory; `whyRefused` receives one sentence
    // saying which item is faulty and at which byte offset.
    bool ParseWorld(const std::vector<std::uint8_t>& bytes, std::string* whyRefused = nullptr);
    void ClearWorld();

    std::vector<ScriptEntry> scripts;
    std::vector<TextureEntry> textures;
    std::uint16_t startScript = 0;
    bool loaded = false;
    std::string fileName;
};
