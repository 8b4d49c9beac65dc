#include <gtest/gtest.h>

#include <map>

#include "support/FileContents.h"
#include "lib/OutputFolder.h"
#include "lib/Picture.h"
#include "support/TempDir.h"
#include "support/ToolRun.h"

namespace fs = std::filesystem;

// The packer writes into game and source folders that people also use: it
// replaces and removes only the files it wrote itself.
namespace {

std::string World(const std::string& textureSource)
{
    return "{ \"name\": \"W\", \"start_script\": 0, \"textures\": [ { \"texture\": 5, \"source\": \"" +
           textureSource + "\" } ] }\n";
}

void WriteSources(const TempDir& dir, const std::string& textureSource)
{
    dir.Write("src/world.json", World(textureSource));
    const Picture picture{8, 8, 4, std::vector<std::uint8_t>(8 * 8 * 4, 200)};
    dir.Write("src/" + textureSource, picture.Png());
}

// Whether a half-written output or a backup ("game.partial-...", "game.old-...")
// was left beside the game folder.
bool LeftSomethingBeside(const TempDir& dir)
{
    for (const auto& entry : fs::directory_iterator(dir.Path()))
        if (entry.path().filename().string().find("game.") != std::string::npos)
            return true;
    return false;
}

// What a player and an author leave in a game folder.
const std::set<std::string> kTheirs = {"captures/shot.tga", "touches.txt", "session.rec", ".git/HEAD",
                                       "tga/mine.tga"};

void WriteTheirs(const TempDir& dir, const std::string& folder)
{
    for (const std::string& file : kTheirs)
        dir.Write(folder + "/" + file, "theirs: " + file);
}

} // namespace

TEST(OutputFolder, PackingAgainReplacesOnlyWhatThePackerWrote)
{
    TempDir dir;
    WriteSources(dir, "art/a.png");
    ASSERT_EQ(ToolRun::Of("tessel-pack", "src -o game", dir).status, 0);
    EXPECT_EQ(FileText(dir.File("game/") + OutputFolder::kManifest),
              "# The files tessel-pack wrote here. It replaces or removes only these when it writes\n"
              "# this folder again, and leaves every other file alone.\n"
              "game.cfg\ntga/a.tga\nwor/W.world\n");
    WriteTheirs(dir, "game");

    // The picture is renamed: a.tga, which the packer wrote, goes.
    WriteSources(dir, "art/b.png");
    const ToolRun again = ToolRun::Of("tessel-pack", "src -o game", dir);
    ASSERT_EQ(again.status, 0) << again.err;
    std::set<std::string> expected = kTheirs;
    expected.insert({OutputFolder::kManifest, "game.cfg", "tga/b.tga", "wor/W.world"});
    EXPECT_EQ(FolderFiles(dir.File("game")), expected);
    for (const std::string& file : kTheirs)
        EXPECT_EQ(FileText(dir.File("game/" + file)), "theirs: " + file);
}

TEST(OutputFolder, AFolderPackedBeforeTheListLosesOnlyFilesOfTheKindsThePackerMakes)
{
    TempDir dir;
    WriteSources(dir, "art/a.png");
    ASSERT_EQ(ToolRun::Of("tessel-pack", "src -o game", dir).status, 0);
    fs::remove(dir.File("game/") + OutputFolder::kManifest);
    WriteTheirs(dir, "game");
    dir.Write("game/map/old.map", std::string("old"));
    dir.Write("game/map/notes.txt", std::string("theirs"));
    WriteSources(dir, "art/b.png");
    const ToolRun run = ToolRun::Of("tessel-pack", "src -o game", dir);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::set<std::string> files = FolderFiles(dir.File("game"));
    // tga/mine.tga is of a kind the packer made then; everything else stays.
    EXPECT_EQ(files.count("tga/mine.tga"), 0u);
    EXPECT_EQ(files.count("map/old.map"), 0u);
    EXPECT_EQ(files.count("tga/a.tga"), 0u);
    for (const char* file : {"captures/shot.tga", "touches.txt", "session.rec", ".git/HEAD",
                                    "map/notes.txt", "tga/b.tga"})
        EXPECT_EQ(files.count(file), 1u) << file;
}

TEST(OutputFolder, AFileOfSomeoneElseWhereANewOneGoesStopsEverything)
{
    TempDir dir;
    WriteSources(dir, "art/a.png");
    ASSERT_EQ(ToolRun::Of("tessel-pack", "src -o game", dir).status, 0);
    const std::set<std::string> before = FolderFiles(dir.File("game"));
    dir.Write("game/tga/b.tga", std::string("theirs"));
    WriteSources(dir, "art/b.png");
    const ToolRun run = ToolRun::Of("tessel-pack", "src -o game", dir);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "game/tga/b.tga: error: exists and was not written by tessel-pack: it is left alone, and "
                       "nothing is written; move it away first\n");
    std::set<std::string> after = before;
    after.insert("tga/b.tga");
    EXPECT_EQ(FolderFiles(dir.File("game")), after);
    EXPECT_EQ(FileText(dir.File("game/tga/b.tga")), "theirs");
    EXPECT_FALSE(LeftSomethingBeside(dir));
}

// A file of theirs named like a folder the new output needs: the move into
// the game folder fails halfway, and the earlier output is put back whole.
TEST(OutputFolder, AMoveThatFailsHalfwayPutsTheEarlierFilesBack)
{
    TempDir dir;
    WriteSources(dir, "art/a.png");
    ASSERT_EQ(ToolRun::Of("tessel-pack", "src -o game", dir).status, 0);
    const std::set<std::string> before = FolderFiles(dir.File("game"));
    std::map<std::string, std::string> bytes;
    for (const std::string& file : before)
        bytes[file] = FileText(dir.File("game/" + file));
    dir.Write("game/tsl", std::string("theirs"));

    std::string world = World("art/a.png");
    world.insert(world.rfind('}'), ", \"scripts\": [ { \"source\": \"s.txt\", \"file\": \"s.tsl\" } ] ");
    dir.Write("src/world.json", world);
    dir.Write("src/s.txt", "@script 1\nConsole \"x\" ;\n");
    const ToolRun run = ToolRun::Of("tessel-pack", "src -o game", dir);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("game: error: cannot be written (tsl/s.tsl: "), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("); the earlier files are put back\n"), std::string::npos) << run.err;

    std::set<std::string> after = before;
    after.insert("tsl");
    EXPECT_EQ(FolderFiles(dir.File("game")), after);
    for (const std::string& file : before)
        EXPECT_EQ(FileText(dir.File("game/" + file)), bytes[file]) << file;
    EXPECT_EQ(FileText(dir.File("game/tsl")), "theirs");
    EXPECT_FALSE(LeftSomethingBeside(dir));
}

TEST(OutputFolder, TheOutputIsApartFromWhatItIsMadeFrom)
{
    TempDir dir;
    WriteSources(dir, "art/a.png");
    ASSERT_EQ(ToolRun::Of("tessel-pack", "src -o game", dir).status, 0);
    dir.Write("src/.git/HEAD", std::string("ref"));
    dir.Write("src/notes.txt", std::string("mine"));
    const std::set<std::string> source = FolderFiles(dir.File("src"));
    const std::set<std::string> game = FolderFiles(dir.File("game"));
    const struct {
        std::string arguments;
        std::string err;
    } cases[] = {
        {"src -o src", "src: error: is the folder it is made from: choose an output folder apart from it\n"},
        {"src -o src/", "src: error: is the folder it is made from: choose an output folder apart from it\n"},
        {"src -o src/game",
         "src/game: error: lies inside src, the folder it is made from: choose an output folder apart from it\n"},
        {"src -o .", ".: error: holds src, the folder it is made from: choose an output folder apart from it\n"},
        {"--unpack game -o game",
         "game: error: is the folder it is made from: choose an output folder apart from it\n"},
        // An author's sources, made before the list was kept or by hand.
        {"--unpack game -o src", "src/art/a.png: error: exists and was not written by tessel-pack: it is left "
                                 "alone, and nothing is written; move it away first\n"},
    };
    for (const auto& c : cases) {
        const ToolRun run = ToolRun::Of("tessel-pack", c.arguments, dir);
        EXPECT_EQ(run.status, 1) << c.arguments;
        EXPECT_EQ(run.err, c.err) << c.arguments;
        EXPECT_EQ(FolderFiles(dir.File("src")), source) << c.arguments;
        EXPECT_EQ(FolderFiles(dir.File("game")), game) << c.arguments;
    }

    // Sources it unpacked itself are unpacked again in place, notes kept.
    ASSERT_EQ(ToolRun::Of("tessel-pack", "--unpack game -o back", dir).status, 0);
    dir.Write("back/notes.txt", std::string("mine"));
    const ToolRun again = ToolRun::Of("tessel-pack", "--unpack game -o back", dir);
    EXPECT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(FileText(dir.File("back/notes.txt")), "mine");
    EXPECT_TRUE(fs::exists(dir.File("back/world.json")));
}

TEST(OutputFolder, AListNamingFilesOutsideTheFolderIsRefusedWhole)
{
    TempDir dir;
    WriteSources(dir, "art/a.png");
    dir.Write("outside.txt", std::string("keep"));
    dir.Write("game/wor/W.world", std::string("old"));
    dir.Write(std::string("game/") + OutputFolder::kManifest, std::string("# list\nwor/W.world\n../outside.txt\n"));
    const ToolRun run = ToolRun::Of("tessel-pack", "src -o game", dir);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, std::string("game/") + OutputFolder::kManifest +
                           ":3: error: names a file that leads outside the folder (\"..\" past its top): the list "
                           "is damaged, so nothing in the folder is replaced\n");
    EXPECT_EQ(FileText(dir.File("outside.txt")), "keep");
    EXPECT_EQ(FileText(dir.File("game/wor/W.world")), "old");
}
