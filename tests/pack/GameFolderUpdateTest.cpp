#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <vector>

#include "support/FileContents.h"
#include "lib/GameFolderUpdate.h"
#include "lib/OutputFolder.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::uint8_t> Bytes(const std::string& text) { return std::vector<std::uint8_t>(text.begin(), text.end()); }

} // namespace

// Watching, the game folder is updated in place; still only the files the
// packer wrote are replaced or removed.
TEST(GameFolderUpdate, ReplacesAndRemovesOnlyListedFiles)
{
    TempDir dir;
    dir.Write("game/wor/W.world", std::string("old world"));
    dir.Write("game/tga/old.tga", std::string("old"));
    dir.Write("game/tga/mine.tga", std::string("theirs"));
    dir.Write("game/captures/shot.tga", std::string("theirs"));
    dir.Write(std::string("game/") + OutputFolder::kManifest, std::string("wor/W.world\ntga/old.tga\n"));

    Diagnostics diagnostics;
    std::size_t changed = 0;
    const std::map<std::string, std::vector<std::uint8_t>> files = {{"wor/W.world", Bytes("new world")},
                                                                    {"tga/new.tga", Bytes("new")}};
    ASSERT_TRUE(GameFolderUpdate::Apply(dir.File("game"), files, diagnostics, changed));
    EXPECT_EQ(changed, 3u);
    EXPECT_EQ(FileText(dir.File("game/wor/W.world")), "new world");
    EXPECT_EQ(FileText(dir.File("game/tga/new.tga")), "new");
    EXPECT_FALSE(fs::exists(dir.File("game/tga/old.tga")));
    EXPECT_EQ(FileText(dir.File("game/tga/mine.tga")), "theirs");
    EXPECT_EQ(FileText(dir.File("game/captures/shot.tga")), "theirs");
    EXPECT_EQ(FileText(dir.File("game/") + OutputFolder::kManifest),
              OutputFolder::ManifestText({"tga/new.tga", "wor/W.world"}));

    // A new file where someone else's lies: nothing is written.
    const std::map<std::string, std::vector<std::uint8_t>> clash = {{"wor/W.world", Bytes("newer")},
                                                                    {"tga/mine.tga", Bytes("ours")}};
    EXPECT_FALSE(GameFolderUpdate::Apply(dir.File("game"), clash, diagnostics, changed));
    EXPECT_EQ(FileText(dir.File("game/wor/W.world")), "new world");
    EXPECT_EQ(FileText(dir.File("game/tga/mine.tga")), "theirs");
    ASSERT_EQ(diagnostics.All().size(), 1u);
    EXPECT_EQ(diagnostics.All()[0].message, "exists and was not written by tessel-pack: it is left alone, and "
                                            "nothing is written; move it away first");
}
