#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "ScriptHarness.h"
#include "support/TempDir.h"
#include "script/ScriptContainer.h"
#include "script/ScriptTables.h"

namespace {

// Container bytes: per record a little-endian id, the text and 0x00; the
// last record loses its 0x00 when `lastEnded` is false.
std::vector<std::uint8_t> Container(const std::vector<std::pair<std::uint16_t, std::string>>& records,
                                    bool lastEnded = true)
{
    std::vector<std::uint8_t> bytes;
    for (const auto& [id, text] : records) {
        bytes.insert(bytes.end(), {std::uint8_t(id & 0xFF), std::uint8_t(id >> 8)});
        bytes.insert(bytes.end(), text.begin(), text.end());
        bytes.push_back(0);
    }
    if (!lastEnded)
        bytes.pop_back();
    return bytes;
}

} // namespace

TEST(RunQueue, BloquePausesUntilResume)
{
    ScriptHarness harness;
    harness.Add(1, "Console 1 ; Dire 1 ; bloque Console 2 ; bloque Console 3 ;");
    harness.Start(1);
    // Nothing runs before the first Resume, nor while paused in `bloque`.
    harness.engine.Execute();
    harness.engine.Resume();
    harness.engine.Execute();
    harness.engine.Execute();
    EXPECT_FALSE(harness.engine.IsRunning());
    EXPECT_EQ(harness.engine.CommandQueue().size(), 1u);
    EXPECT_EQ(harness.TakeOutput(), "1");
    // With nothing queued, `bloque` lasts one frame.
    harness.Frame();
    EXPECT_EQ(harness.TakeOutput(), "@Dire\t1\n");
    harness.Frame();
    EXPECT_EQ(harness.TakeOutput(), "2");
    harness.engine.Execute();
    EXPECT_EQ(harness.TakeOutput(), "3");
    // An empty run queue pauses the engine again.
    EXPECT_TRUE(harness.engine.RunQueue().empty());
    EXPECT_FALSE(harness.engine.IsRunning());
}

TEST(RunQueue, ARunStartedDuringBloqueWaitsBehindAndFollowsInTheSameFrame)
{
    ScriptHarness harness;
    harness.Add(1, "Console \"a\" IDMOI ; bloque Console \"c\" IDMOI ; stop Console \"never\" ;");
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
    EXPECT_TRUE(harness.engine.RunQueue().empty());
}

TEST(RunScriptPresets, OwnerAlwaysTilePositionOnlyWhenBothAreGiven)
{
    ScriptHarness harness;
    harness.Add(4, "Console IDMOI \",\" TILEX \",\" TILEY \" \" ;");
    harness.Add(5, "ListeVariables");
    harness.Start(4, 3, 4, 9);
    harness.Start(4, 3, -1, 5);
    harness.Start(4, -1, 8, 6);
    harness.Start(4);
    harness.Start(5, 3, -1, 5);
    harness.RunToEnd();
    EXPECT_EQ(harness.TakeOutput(), "9,3,4 5,0,0 6,0,0 -1,0,0 " + Listing("", "IDMOI:\t\t5\n", ""));
}

TEST(RunScriptPresets, ZeroUnknownIdsAndOwnVariables)
{
    ScriptHarness harness;
    harness.Add(0, "Console \"zero\" ;");
    harness.Add(1, "int n ; n = n + 1 ; Console n ;");
    harness.Start(0);
    harness.Start(2);
    EXPECT_TRUE(harness.engine.RunQueue().empty());
    // Each run copies the script: the second starts from 0 again.
    harness.Start(1);
    harness.Start(1);
    harness.RunToEnd();
    EXPECT_EQ(harness.TakeOutput(), "11");
}

TEST(LocalVariableAccess, ActsOnTheFrontRunOrOnNothing)
{
    // The game stores a choice's answer while the script waits in `bloque`.
    ScriptHarness harness;
    harness.Add(1, "Choix \"?\" ; bloque Console choix \"|\" nom \"|\" f ;");
    harness.Start(1);
    harness.engine.Resume();
    harness.engine.Execute();
    harness.engine.SetInt("choix", 4);
    harness.engine.SetString("nom", "Odrin");
    harness.engine.SetFloat("f", 1.5f);
    EXPECT_EQ(harness.engine.GetFloat("f"), 1.5f);
    harness.engine.Resume();
    harness.engine.Execute();
    EXPECT_EQ(harness.TakeOutput(), "4|Odrin|1.5");

    // The run has ended: writes are dropped and reads give nothing.
    harness.engine.SetInt("x", 3);
    harness.engine.SetFloat("x", 3.0f);
    harness.engine.SetString("x", "3");
    EXPECT_EQ(harness.engine.GetInt("x"), 0);
    EXPECT_EQ(harness.engine.GetFloat("x"), 0.0f);
    EXPECT_EQ(harness.engine.GetString("x"), "");
    EXPECT_EQ(harness.engine.EvalNumber(OpSemicolon, kNoTerminator), 0.0f);
    EXPECT_EQ(harness.engine.EvalString(OpSemicolon, kNoTerminator), "");
    EXPECT_EQ(harness.engine.lastTerminator, kNoTerminator);
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
    EXPECT_EQ(harness.engine.EvalString(OpComma, kNoTerminator), "rest");
    EXPECT_EQ(harness.engine.lastTerminator, kNoTerminator);
    EXPECT_EQ(harness.engine.TokenToItem(ScriptToken{"HAUT", TokWord, 0}).Value(), 3.0f);
    EXPECT_EQ(harness.engine.TokenToString(ScriptToken{"then", TokKeyword, KwThen}), "");
}

TEST(ScriptContainers, RecordsCutShort)
{
    // A last text without its 0x00 runs to the end of the file.
    auto records = ScriptContainer::Parse(Container({{1, "a"}, {2, "Console 2 ;"}}, false));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1].id, 2);
    EXPECT_EQ(records[1].text, "Console 2 ;");
    // A single byte after the last record is half an id: no record.
    std::vector<std::uint8_t> bytes = Container({{0xFFFF, ""}});
    bytes.push_back(7);
    records = ScriptContainer::Parse(bytes);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].id, 0xFFFF);
    EXPECT_EQ(records[0].text, "");
}

TEST(ScriptFiles, LoadInOrderKeepingOnlyRecordsThatCanRun)
{
    TempDir dir;
    ScriptHarness harness;
    EXPECT_FALSE(harness.engine.LoadScriptFile(dir.File("absent.tsl")));
    // Every three zero bytes make a record of id 0 with an empty text.
    EXPECT_TRUE(harness.engine.LoadScriptFile(dir.Write("zeros.tsl", std::vector<std::uint8_t>(3000, 0))));
    EXPECT_TRUE(harness.engine.LoadedScripts().empty());

    // Within a file only the first record of an id can run; another file's
    // record of the same id is kept, behind the first file's.
    EXPECT_TRUE(harness.engine.LoadScriptFile(dir.Write(
        "a.tsl", Container({{7, ""}, {7, "Console 2 ;"}, {0, "Console 0 ;"}, {8, "Console 8 ;"}, {8, ""}}))));
    EXPECT_TRUE(
        harness.engine.LoadScriptFile(dir.Write("b.tsl", Container({{8, "Console 9 ;"}, {0x1234, "Console 6 ;"}}))));
    std::vector<std::uint16_t> ids;
    for (const CScript& script : harness.engine.LoadedScripts())
        ids.push_back(script.id);
    EXPECT_EQ(ids, (std::vector<std::uint16_t>{7, 8, 8, 0x1234}));
    harness.Start(7);
    harness.Start(8);
    harness.Start(0x1234);
    harness.RunToEnd();
    EXPECT_EQ(harness.TakeOutput(), "86") << "the empty first record of id 7 is the one that runs";

    std::ofstream(dir.File("big.tsl")) << "";
    std::filesystem::resize_file(dir.File("big.tsl"), CScriptEngine::kMaxContainerBytes + 1);
    EXPECT_FALSE(harness.engine.LoadScriptFile(dir.File("big.tsl")));
    EXPECT_EQ(harness.engine.LoadedScripts().size(), 4u);
}

TEST(StatementLimit, ARunPastTheLimitGoesOnNextFrameAndIsNamedOnce)
{
    const std::string named = "Script 3 ran 50 statements in one frame: it goes on next frame\n";
    for (bool memoising : {true, false}) {
        ScriptHarness harness(memoising);
        std::ostringstream report;
        harness.engine.SetStatementLimit(50);
        harness.engine.SetLimitReport(&report);
        harness.Add(3, "int i = 0 ; while i < 100 do i = i + 1 ; endwhile Console i ;");
        harness.Add(4, "Console \"4\" ;");
        harness.Start(4);
        harness.Start(3);
        harness.engine.Resume();
        harness.engine.Execute();
        EXPECT_EQ(harness.TakeOutput(), "4") << memoising;
        EXPECT_EQ(report.str(), named) << memoising;
        // Still running: the next Execute goes on without a Resume.
        EXPECT_TRUE(harness.engine.IsRunning());
        ASSERT_EQ(harness.engine.RunQueue().size(), 1u);
        // The declaration, then sixteen times `while`, the increment, `endwhile`.
        EXPECT_EQ(harness.engine.GetInt("i"), 16) << memoising;
        harness.engine.Execute();
        EXPECT_EQ(harness.engine.GetInt("i"), 33) << memoising;
        harness.RunToEnd();
        EXPECT_EQ(harness.TakeOutput(), "100") << memoising;
        EXPECT_EQ(report.str(), named) << "named once for the whole run";

        // A run that ends with the statement that reaches the limit is not
        // suspended, and the next one has not started.
        report.str("");
        harness.Add(5, "int a = 1 ; int b = 2 ;");
        harness.engine.SetStatementLimit(2);
        harness.Start(5);
        harness.Start(4);
        harness.Frame();
        EXPECT_EQ(report.str(), "") << memoising;
        harness.RunToEnd();
        EXPECT_EQ(harness.TakeOutput(), "4");
    }
}

TEST(CommandQueueLimit, ARunWaitsWhileTheQueueIsFullAndLosesNoCommand)
{
    const std::string text = "int i = 0 ; while i < 25 do Lire i ; i = i + 1 ; endwhile Console \"fin\" ;";
    for (bool memoising : {true, false}) {
        ScriptHarness harness(memoising);
        std::ostringstream report;
        harness.engine.SetCommandQueueLimit(10);
        harness.engine.SetLimitReport(&report);
        harness.Add(1, text);
        harness.Start(1);
        harness.engine.Resume();
        harness.engine.Execute();
        EXPECT_EQ(harness.engine.CommandQueue().size(), 10u) << memoising;
        EXPECT_TRUE(harness.engine.IsRunning());
        harness.engine.Execute();
        EXPECT_EQ(harness.engine.CommandQueue().size(), 10u) << "still full: the run still waits";

        // Ten commands a frame; the third frame queues the last five and
        // the run ends (its Console printing at once, the commands after).
        std::string expected;
        for (int i = 0; i < 25; ++i)
            expected += (i == 20 ? "fin" : "") + std::string("@Lire\t") + std::to_string(i) + "\n";
        harness.RunToEnd();
        EXPECT_EQ(harness.TakeOutput(), expected) << "every command once, in order";
        EXPECT_EQ(report.str(), "Script 1 queued 10 commands not yet carried out: it waits for them\n") << memoising;
    }
}

TEST(RunQueue, ReloadingContainersKeepsWhatItCanOfTheQueue)
{
    TempDir dir;
    const std::string first = dir.Write("a.tsl", Container({{1, "Console \"one\" ; bloque Console \"1b\" ;"},
                                                            {2, "Console \"two\" TILEX IDMOI ;"},
                                                            {3, "Console \"three\" ;"},
                                                            {4, "Console \"four\" ;"}}));
    ScriptHarness harness;
    ASSERT_TRUE(harness.engine.LoadScriptFile(first));
    harness.engine.SetGlobal("kept", CScriptValue(std::int32_t(7)));
    harness.Start(1);
    harness.Start(2, 5, 6, 9);
    harness.Start(3);
    harness.Start(4);
    harness.engine.Resume();
    harness.engine.Execute();
    EXPECT_EQ(harness.TakeOutput(), "one") << "script 1 waits in bloque";

    // Script 1 (under way) and 2 (waiting) change, 3 stays, 4 is gone.
    dir.Write("a.tsl", Container({{1, "Console \"ONE\" ;"}, {2, "Console \"TWO\" TILEX IDMOI ;"},
                                  {3, "Console \"three\" ;"}}));
    std::vector<std::string> unreadable;
    const std::vector<std::uint16_t> dropped =
        harness.engine.ReloadScripts({first, dir.File("absent.tsl")}, unreadable);
    EXPECT_EQ(dropped, (std::vector<std::uint16_t>{1, 4}));
    EXPECT_EQ(unreadable, (std::vector<std::string>{dir.File("absent.tsl")}));
    ASSERT_EQ(harness.engine.RunQueue().size(), 2u);
    EXPECT_EQ(harness.engine.LoadedScripts().size(), 3u);
    EXPECT_EQ(harness.engine.GetGlobal("kept").AsInt(), 7);

    harness.RunToEnd();
    EXPECT_EQ(harness.TakeOutput(), "TWO59three") << "the waiting run takes the new text with its presets";
    harness.Start(1);
    harness.RunToEnd();
    EXPECT_EQ(harness.TakeOutput(), "ONE");
}
