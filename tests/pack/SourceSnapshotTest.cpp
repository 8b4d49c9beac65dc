#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "lib/SourceSnapshot.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Relative(const std::vector<std::string>& paths, const TempDir& dir)
{
    std::vector<std::string> relative;
    for (const std::string& path : paths)
        relative.push_back(fs::path(path).lexically_relative(fs::absolute(dir.Path())).string());
    std::sort(relative.begin(), relative.end());
    return relative;
}

} // namespace

// A world whose map, tileset and pictures lie partly outside its folder: the
// watch looks at those too, and at everything inside but the game folder.
TEST(SourceSnapshot, SeesTheFilesTheWorldUsesInsideAndOutsideItsFolder)
{
    TempDir dir;
    dir.Write("src/world.json", R"({ "name": "W", "scripts": [ { "source": "s.txt" } ],
  "textures": [ { "texture": 100, "source": "../art/hero.png" } ],
  "maps": [ { "source": "../shared/m.tmx" }, { "source": "maps/in.tmj" } ] })");
    dir.Write("src/s.txt", "@script 1\n");
    dir.Write("art/hero.png", "p");
    dir.Write("shared/m.tmx", "<map>\n <tileset firstgid=\"1\" source=\"../tiles/t.tsx\"/>\n</map>\n");
    dir.Write("tiles/t.tsx", "<tileset>\n <image source=\"sheet.png\" width=\"512\"/>\n</tileset>\n");
    dir.Write("tiles/sheet.png", "p");
    dir.Write("src/maps/in.tmj", R"({ "tilesets": [ { "image": "../../other/sheet2.png" } ] })");
    dir.Write("other/sheet2.png", "p");
    dir.Write("src/game/wor/W.world", "w");

    const std::vector<std::string> outside = SourceSnapshot::Outside(dir.File("src"));
    EXPECT_EQ(Relative(outside, dir), (std::vector<std::string>{"art/hero.png", "other/sheet2.png", "shared/m.tmx",
                                                                "tiles/sheet.png", "tiles/t.tsx"}));

    const SourceSnapshot before = SourceSnapshot::Take(dir.File("src"), dir.File("src/game"), outside);
    EXPECT_EQ(SourceSnapshot::Take(dir.File("src"), dir.File("src/game"), outside).Changed(before), "");
    // The game folder, written by every pass, is not a source.
    dir.Write("src/game/wor/W.world", "written again");
    EXPECT_EQ(SourceSnapshot::Take(dir.File("src"), dir.File("src/game"), outside).Changed(before), "");

    const struct {
        const char* file;
        bool remove;
    } changes[] = {{"tiles/sheet.png", false}, {"src/s.txt", false}, {"src/notes.txt", false}, {"art/hero.png", true}};
    for (const auto& change : changes) {
        const SourceSnapshot seen = SourceSnapshot::Take(dir.File("src"), dir.File("src/game"), outside);
        if (change.remove)
            fs::remove(dir.File(change.file));
        else
            dir.Write(change.file, "saved again, longer than before");
        const std::string changed =
            SourceSnapshot::Take(dir.File("src"), dir.File("src/game"), outside).Changed(seen);
        EXPECT_EQ(fs::path(changed).lexically_relative(fs::absolute(dir.Path())).string(), change.file);
    }
}
