// tessel-world: shows world authors what the engine reads from a .world file.

#include <CLI/CLI.hpp>

#include <iostream>
#include <string>
#include <vector>

#include "game/CWorld.h"
#include "platform/DataFile.h"
#include "shared/Printable.h"

int main(int argc, char** argv)
{
    CLI::App app{"Prints what the engine reads from a world file: its script containers, its "
                 "textures and its start script, one item a line."};
    std::string path;
    app.add_option("FILE", path, "the .world file")->required();
    CLI11_PARSE(app, argc, argv);

    std::vector<std::uint8_t> bytes;
    if (!ReadDataFile(path, bytes, 16 * 1024 * 1024)) {
        std::cerr << path << " cannot be read (missing, unreadable or far too large for a world file).\n";
        return 1;
    }
    CWorld world;
    std::string why;
    const bool whole = world.ParseWorld(bytes, &why);
    // What was read whole is listed even when the file is damaged, so the
    // author sees where it goes wrong.
    for (const CWorld::ScriptEntry& script : world.scripts)
        std::cout << "script " << script.number << ' ' << Printable(script.file) << '\n';
    for (const CWorld::TextureEntry& texture : world.textures)
        std::cout << "texture " << texture.name << ' ' << Printable(texture.file) << '\n';
    if (!whole) {
        std::cout.flush();
        std::cerr << path << " is refused: " << why << ".\n";
        return 1;
    }
    std::cout << "start " << world.startScript << '\n';
    return 0;
}
