#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ScriptHarness.h"
#include "support/TempDir.h"
#include "script/ScriptContainer.h"
#include "script/ScriptTables.h"

namespace {

// One container record: little-endian id, text, 0x00.
std::vector<std::uint8_t> Record(std::uint16_t id, const std::string& text, bool terminated = true)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(text.size() + 3);
    bytes.push_back(static_cast<std::uint8_t>(id & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(id >> 8));
    for (char c : text)
        bytes.push_back(static_cast<std::uint8_t>(c));
    if (terminated)
        bytes.push_back(0);
    return bytes;
}

std::vector<std::uint8_t> Join(std::vector<std::vector<std::uint8_t>> parts)
{
    std::vector<std::uint8_t> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

} // namespace

TEST(RunQueue, NothingRunsBeforeTheFirstResume)
{
    ScriptHarness harness;
    harness.Add(1, "Console \"a\" ;");
    harness.Start(1);
    EXPECT_FALSE(harness.engine.IsRunning());
    harness.engine.Execute();
    EXPECT_EQ(harness.TakeOutput(), "");
    harness.engine.Resume();
    harness.engine.Execute();
    EXPECT_EQ(harness.TakeOutput(), "a");
    // An empty run queue pauses the engine again.
    EXPECT_FALSE(harness.engine.IsRunning());
}

TEST(RunQueue, BloquePausesUntilResume)
{
    ScriptHarness harness;
    harness.Add(1, "Console \"a\" ; Dire 1 ; bloque Console \"b\" ; bloque Console \"c\" ;");
    harness.Start(1);
    harness.engine.Resume();
    harness.engine.Execute();
    EXPECT_EQ(harness.TakeOutput(), "a");
    EXPECT_FALSE(harness.engine.IsRunning());
    ASSERT_EQ(harness.engine.CommandQueue().size(), 1u);
    EXPECT_EQ(harness.engine.CommandQueue().front().name, "Dire");
    // Paused: further frames run nothing until the game resumes.
    harness.engine.Execute();
    EXPECT_EQ(harness.TakeOutput(), "");
    harness.engine.CommandQueue().pop();
    harness.engine.Resume();
    harness.engine.Execute();
    EXPECT_EQ(harness.TakeOutput(), "b");
    harness.engine.Resume();
    harness.engine.Execute();
    EXPECT_EQ(harness.TakeOutput(), "c");
    EXPECT_TRUE(harness.engine.RunQueue().empty());
}

TEST(RunQueue, BloqueWithNothingQueuedLastsOneFrame)
{
    ScriptHarness harness;
    harness.Add(1, "Console 1 ; bloque Console 2 ; bloque Console 3 ;");
    harness.Start(1);
    std::vector<std::string> frames;
    for (int i = 0; i < 5; ++i) {
        harness.Frame();
        frames.push_back(harness.TakeOutput());
    }
    EXPECT_EQ(frames, (std::vector<std::string>{"", "1", "2", "3", ""}));
}

TEST(RunQueue, TwoRunsInOneFrame)
{
    ScriptHarness harness;
    harness.Add(1, "Console \"a\" ; Cmd 1 ;");
    harness.Add(2, "Console \"b\" ; stop Console \"never\" ;");
    harness.Start(1);
    harness.Start(2);
    harness.engine.Resume();
    harness.engine.Execute();
    EXPECT_EQ(harness.TakeOutput(), "ab");
    EXPECT_TRUE(harness.engine.RunQueue().empty());
    EXPECT_EQ(harness.engine.CommandQueue().size(), 1u);
}

TEST(RunQueue, ARunStartedDuringBloqueWaitsBehindIt)
{
    ScriptHarness harness;
    harness.Add(1, "Console \"a\" IDMOI ; bloque Console \"c\" IDMOI ;");
    harness.Add(2, "Console \"b\" IDMOI ;");
    harness.Start(1);
    harness.engine.Resume();
    harness.engine.Execute();
    // The presets of the new run never touch the paused one.
    harness.Start(2, -1, -1, 7);
    harness.engine.Execute();
    EXPECT_EQ(harness.TakeOutput(), "a-1");
    harness.engine.Resume();
    harness.engine.Execute();
    EXPECT_EQ(harness.TakeOutput(), "c-1b7");
}

TEST(RunScriptPresets, OwnerAndTilePosition)
{
    ScriptHarness harness;
    harness.Add(4, "Console IDMOI \",\" TILEX \",\" TILEY \" \" ;");
    harness.Start(4, 3, 4, 9);
    harness.Start(4, 3, -1, 5);
    harness.Start(4, -1, 8, 6);
    harness.Start(4);
    harness.RunToEnd();
    EXPECT_EQ(harness.TakeOutput(), "9,3,4 5,0,0 6,0,0 -1,0,0 ");
}

TEST(RunScriptPresets, WithoutAPositionOnlyIdmoiExists)
{
    ScriptHarness harness;
    harness.Add(4, "bloque");
    harness.Start(4, 3, -1, 5);
    ASSERT_EQ(harness.engine.RunQueue().size(), 1u);
    const CScript& run = harness.engine.RunQueue().front();
    ASSERT_EQ(run.intVariables.entries.size(), 1u);
    EXPECT_EQ(run.intVariables.entries[0].first, "IDMOI");
    EXPECT_EQ(run.intVariables.entries[0].second, 5);
}

TEST(RunScriptPresets, UnknownIdsAndZeroStartNothing)
{
    ScriptHarness harness;
    harness.Add(0, "Console \"zero\" ;");
    harness.Add(3, "Console \"three\" ;");
    harness.Start(0);
    harness.Start(2);
    EXPECT_TRUE(harness.engine.RunQueue().empty());
}

TEST(RunScriptPresets, EachRunHasItsOwnVariables)
{
    ScriptHarness harness;
    harness.Add(1, "int n ; n = n + 1 ; Console n ;");
    harness.Start(1);
    harness.Start(1);
    harness.RunToEnd();
    EXPECT_EQ(harness.TakeOutput(), "11");
    // The loaded script itself never runs and keeps no variables.
    EXPECT_TRUE(harness.engine.LoadedScripts()[0].intVariables.entries.empty());
}

TEST(LocalVariableAccess, ActsOnTheFrontRun)
{
    // What the game does with a choice: store the answer while the script
    // waits in `bloque`.
    ScriptHarness harness;
    harness.Add(1, "Choix \"?\" ; bloque Console choix \"|\" nom ;");
    harness.Start(1);
    harness.engine.Resume();
    harness.engine.Execute();
    harness.engine.SetInt("choix", 4);
    harness.engine.SetString("nom", "Odrin");
    harness.engine.SetFloat("f", 1.5f);
    EXPECT_EQ(harness.engine.GetInt("choix"), 4);
    EXPECT_EQ(harness.engine.GetFloat("f"), 1.5f);
    EXPECT_EQ(harness.engine.GetString("nom"), "Odrin");
    EXPECT_EQ(harness.engine.GetInt("absent"), 0);
    harness.engine.Resume();
    harness.engine.Execute();
    EXPECT_EQ(harness.TakeOutput(), "4|Odrin");
}

TEST(LocalVariableAccess, WithNoRunReadsGiveNothingAndWritesAreDropped)
{
    CScriptEngine engine;
    engine.SetInt("x", 3);
    engine.SetFloat("x", 3.0f);
    engine.SetString("x", "3");
    EXPECT_EQ(engine.GetInt("x"), 0);
    EXPECT_EQ(engine.GetFloat("x"), 0.0f);
    EXPECT_EQ(engine.GetString("x"), "");
    EXPECT_EQ(engine.EvalNumber(OpSemicolon, kNoTerminator), 0.0f);
    EXPECT_EQ(engine.EvalString(OpSemicolon, kNoTerminator), "");
    EXPECT_EQ(engine.lastTerminator, kNoTerminator);
}

TEST(EngineExpressions, EvalOnTheFrontRunReportsTheTerminator)
{
    ScriptHarness harness;
    harness.Add(1, "2 * 3 , \"a\" HAUT ; \"rest\"");
    harness.Start(1);
    EXPECT_EQ(harness.engine.EvalNumber(OpComma, OpSemicolon), 6.0f);
    EXPECT_EQ(harness.engine.lastTerminator, OpComma);
    EXPECT_EQ(harness.engine.EvalString(OpComma, OpSemicolon), "a3");
    EXPECT_EQ(harness.engine.lastTerminator, OpSemicolon);
    // The end of the tokens stops an expression that finds no terminator.
    EXPECT_EQ(harness.engine.EvalString(OpComma, kNoTerminator), "rest");
    EXPECT_EQ(harness.engine.lastTerminator, kNoTerminator);

    ScriptToken word{"HAUT", TokWord, 0};
    EXPECT_EQ(harness.engine.TokenToItem(word).Value(), 3.0f);
    EXPECT_EQ(harness.engine.TokenToString(word), "3");
    ScriptToken keyword{"then", TokKeyword, KwThen};
    EXPECT_EQ(harness.engine.TokenToItem(keyword).itemClass, ExprItem::kInvalid);
    EXPECT_EQ(harness.engine.TokenToString(keyword), "");
}

TEST(ScriptFiles, ContainersLoadInOrderAndTheFirstIdWins)
{
    TempDir dir;
    const std::string first = dir.Write("one.tsl", Join({Record(5, "Console \"first\" ;"), Record(0x1234, "x")}));
    const std::string second = dir.Write("two.tsl", Join({Record(5, "Console \"second\" ;"), Record(6, "Console 6 ;")}));
    ScriptHarness harness;
    EXPECT_TRUE(harness.engine.LoadScriptFile(first));
    EXPECT_TRUE(harness.engine.LoadScriptFile(second));
    ASSERT_EQ(harness.engine.LoadedScripts().size(), 4u);
    EXPECT_EQ(harness.engine.LoadedScripts()[1].id, 0x1234);
    harness.Start(5);
    harness.Start(6);
    harness.RunToEnd();
    EXPECT_EQ(harness.TakeOutput(), "first6");
}

TEST(ScriptFiles, MissingFileLoadsNothing)
{
    TempDir dir;
    CScriptEngine engine;
    EXPECT_FALSE(engine.LoadScriptFile(dir.File("absent.tsl")));
    EXPECT_TRUE(engine.LoadedScripts().empty());
}

TEST(ScriptContainers, RecordsWithoutTheirEnd)
{
    // A last text without its 0x00 runs to the end of the file.
    auto records = ScriptContainer::Parse(Join({Record(1, "a"), Record(2, "Console 2 ;", false)}));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].id, 2);
    EXPECT_EQ(records[1].text, "Console 2 ;");
    // A single byte after the last record is half an id: no record.
    records = ScriptContainer::Parse(Join({Record(1, "a"), {7}}));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].text, "a");
    EXPECT_TRUE(ScriptContainer::Parse({}).empty());
    // Empty texts and high bytes pass through as they are.
    records = ScriptContainer::Parse(Join({Record(0xFFFF, ""), Record(3, "\xE9\x80")}));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].id, 0xFFFF);
    EXPECT_EQ(records[0].text, "");
    EXPECT_EQ(records[1].text, "\xE9\x80");
}
