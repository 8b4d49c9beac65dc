#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "support/TempDir.h"
#include "support/ToolRun.h"

namespace {

// Runs tessel-script with `arguments` (already quoted) from `dir`.
ToolRun RunTool(const TempDir& dir, const std::string& arguments)
{
    return ToolRun::Of("tessel-script", arguments, dir);
}

std::vector<std::uint8_t> Container(const std::vector<std::pair<std::uint16_t, std::string>>& records)
{
    std::vector<std::uint8_t> bytes;
    for (const auto& record : records) {
        bytes.push_back(static_cast<std::uint8_t>(record.first & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(record.first >> 8));
        for (char c : record.second)
            bytes.push_back(static_cast<std::uint8_t>(c));
        bytes.push_back(0);
    }
    return bytes;
}

} // namespace

TEST(TesselScriptTool, RunsAPlainScriptAndPrintsCommandsInOrder)
{
    TempDir dir;
    dir.Write("intro.txt", R"(
        Console "start\n" ;
        Dire HEROS , 7 , "Bonjour \"toi\"" , ;
        FadeIn 2.5 ;
        bloque
        Console "after\n" ;
        ListeVariables
    )");
    const ToolRun run = RunTool(dir, "intro.txt");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, "start\n"
                       "@Dire\t1\t7\t\"Bonjour \"toi\"\"\n"
                       "@FadeIn\t2.5\n"
                       "after\n"
                       "---------------------------------------\nChaines\n---------------------------------------\n"
                       "---------------------------------------\nEntiers\n---------------------------------------\n"
                       "IDMOI:\t\t-1\n"
                       "---------------------------------------\nFlottants\n---------------------------------------\n"
                       "---------------------------------------\n\n");
}

TEST(TesselScriptTool, ContainersAndPlainFilesTogether)
{
    TempDir dir;
    dir.Write("a.tsl", Container({{5, "Console \"a5\" ;"}, {9, "Console \"a9\" ;"}}));
    dir.Write("b.tsl", Container({{5, "Console \"b5\" ;"}}));
    dir.Write("p.txt", "Console \"plain\" ;");
    EXPECT_EQ(RunTool(dir, "a.tsl b.tsl p.txt").out, "a5");
    EXPECT_EQ(RunTool(dir, "--run 5 b.tsl a.tsl").out, "b5");
    EXPECT_EQ(RunTool(dir, "--run 9 a.tsl b.tsl").out, "a9");
    // Plain files are numbered among themselves: p.txt is script 1.
    EXPECT_EQ(RunTool(dir, "--run 1 a.tsl p.txt").out, "plain");
}

TEST(TesselScriptTool, ListsTokens)
{
    TempDir dir;
    dir.Write("s.tsl", Container({{3, "if x == \"a b\""}}));
    dir.Write("t.txt", "Go 7 ;\n");
    const ToolRun run = RunTool(dir, "--tokens s.tsl t.txt");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "3\t2\t11\tif\n"
                       "3\t9\t0\tx\n"
                       "3\t1\t38\t==\n"
                       "3\t8\t0\ta b\n"
                       "1\t9\t0\tGo\n"
                       "1\t6\t0\t7\n"
                       "1\t1\t46\t;\n"
                       "1\t2\t24\tstop\n");
}

TEST(TesselScriptTool, SeedMakesHasardRepeatable)
{
    TempDir dir;
    dir.Write("dice.txt", "Hasard 1 , 6 , \"a\" ; Hasard 1 , 1000 , \"b\" ; Console a \",\" b ;");
    std::srand(42);
    const int first = std::rand();
    const int second = std::rand();
    const ToolRun run = RunTool(dir, "--seed 42 dice.txt");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, std::to_string(1 + first % 6) + "," + std::to_string(1 + second % 1000));
}

TEST(TesselScriptTool, FramesLimitAnEndlessScript)
{
    TempDir dir;
    dir.Write("loop.txt", "label \"a\" : Console \"x\" ; Tick ; bloque goto \"a\" ;");
    const ToolRun run = RunTool(dir, "--frames 3 loop.txt");
    EXPECT_EQ(run.status, 0);
    // The first frame only starts the engine.
    EXPECT_EQ(run.out, "x@Tick\nx@Tick\n");
}

TEST(TesselScriptTool, FailuresToLoad)
{
    TempDir dir;
    dir.Write("ok.txt", "Console 1 ;");
    ToolRun run = RunTool(dir, "ok.txt missing.txt");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("missing.txt"), std::string::npos);
    EXPECT_EQ(run.err.find('\n'), run.err.size() - 1);

    run = RunTool(dir, "missing.tsl");
    EXPECT_EQ(run.status, 2);

    run = RunTool(dir, "--run 4 ok.txt");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
}
