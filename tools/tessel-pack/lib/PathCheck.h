#pragma once

#include <string>

// The one rule for every file name that comes from an author's or a game's
// file (world.json, Tiled maps and tilesets, the world file's lists, a map's
// texture table): such a name may only lead to a file inside its folder.
// Anything else (an absolute path, a drive letter, a "..", a control byte)
// could read or overwrite a file the author never meant to hand over.
class PathCheck {
public:
    // Why `name` cannot be one file name in a folder of the game ("tga\" +
    // name): it must be a single plain name, without '/' or '\'. "" when it
    // can be.
    static std::string FileNameRefusal(const std::string& name);

    // Why `name`, read from a file at `from` (both relative to the folder
    // being read, '/' separated), cannot name a file inside that folder; ""
    // when it can, and then `joined` is the file relative to the folder
    // ("maps/a.tmx" + "../art/t.png" -> "art/t.png"). Subfolders and ".."
    // steps are allowed as long as the result stays inside.
    static std::string ReferenceRefusal(const std::string& from, const std::string& name, std::string& joined);

private:
    static std::string CharactersRefusal(const std::string& name);
};
