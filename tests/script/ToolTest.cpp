#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>

#include "support/TempDir.h"
#include "support/ToolRun.h"

namespace fs = std::filesystem;

TEST(TesselScriptTool, PrintsConsoleTextAndCommandsFrameByFrame)
{
    TempDir dir;
    dir.Write("intro.txt", R"(
        Console "start\n" ;
        Dire HEROS , 7 , "Bonjour \"toi\"" , ;
        FadeIn 2.5 ;
        bloque
        Console "after\n" ;
    )");
    const ToolRun run = ToolRun::Of("tessel-script", "intro.txt", dir);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "start\n@Dire\t1\t7\t\"Bonjour \"toi\"\"\n@FadeIn\t2.5\nafter\n");
}

TEST(TesselScriptTool, ListsTokensOfContainersAndPlainFiles)
{
    TempDir dir;
    // A container record: id 3 little-endian, the text, then the 0x00 that
    // ends the array.
    const char record[] = "\x03\x00if x == \"a b\"";
    dir.Write("s.tsl", std::string(record, sizeof record));
    dir.Write("t.txt", "Go 7 ;\n");
    const ToolRun run = ToolRun::Of("tessel-script", "--tokens s.tsl t.txt", dir);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "3\t2\t11\tif\n3\t9\t0\tx\n3\t1\t38\t==\n3\t8\t0\ta b\n"
                       "1\t9\t0\tGo\n1\t6\t0\t7\n1\t1\t46\t;\n1\t2\t24\tstop\n");
}

TEST(TesselScriptTool, SeedAndFramesControlTheRun)
{
    TempDir dir;
    dir.Write("dice.txt", "Hasard 1 , 6 , \"a\" ; Hasard 1 , 1000 , \"b\" ; Console a \",\" b ;");
    std::srand(42);
    const int first = std::rand();
    const int second = std::rand();
    ToolRun run = ToolRun::Of("tessel-script", "--seed 42 dice.txt", dir);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, std::to_string(1 + first % 6) + "," + std::to_string(1 + second % 1000));

    dir.Write("loop.txt", "label \"a\" : Console \"x\" ; Tick ; bloque goto \"a\" ;");
    run = ToolRun::Of("tessel-script", "--frames 3 loop.txt", dir);
    EXPECT_EQ(run.status, 0);
    // The first frame only starts the engine.
    EXPECT_EQ(run.out, "x@Tick\nx@Tick\n");
}

TEST(TesselScriptTool, FailsWithStatus2WhenNothingCanRun)
{
    TempDir dir;
    dir.Write("ok.txt", "Console 1 ;");
    ToolRun run = ToolRun::Of("tessel-script", "ok.txt missing.txt", dir);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("missing.txt"), std::string::npos);
    EXPECT_EQ(ToolRun::Of("tessel-script", "--run 4 ok.txt", dir).status, 2);
}

TEST(TesselScriptTool, RefusesFilesTooLargeOrEndlessBeforeReadingThem)
{
    TempDir dir;
    // Sparse: they take no room on disk, and are refused by their size alone.
    for (const char* name : {"huge.txt", "huge.tsl"})
        fs::resize_file(dir.Write(name, std::string()), std::uintmax_t(2) << 30);
    const std::string tooLarge = " is too large: 2147483648 bytes, where a file of a game may have 33554432\n";
    const std::pair<std::string, std::string> cases[] = {
        {"huge.txt", "tessel-script: huge.txt" + tooLarge},
        {"huge.tsl", "tessel-script: huge.tsl" + tooLarge},
        {"/dev/zero", "tessel-script: /dev/zero is not a regular file\n"},
    };
    for (const auto& [arguments, err] : cases) {
        const ToolRun run = ToolRun::Of("tessel-script", arguments, dir);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_EQ(run.err, err) << arguments;
    }
}
