#include <gtest/gtest.h>

#include <cstdlib>

#include "ScriptHarness.h"
#include "platform/Clock.h"
#include "script/CScript.h"
#include "script/DumpVariables.h"

namespace {

const std::string kDashes = "---------------------------------------\n";

} // namespace

TEST(WorldCommands, ArgumentListsAreQueuedInOrder)
{
    EXPECT_EQ(RunText(R"(
        Dire HEROS , 7 , "Bonjour" , ;
        FadeOut ;
        Show 1 + 2 , HAUT * 2 , "a" "b" ;
    )"), "@Dire\t1\t7\t\"Bonjour\"\n"
         "@FadeOut\n"
         "@Show\t3\t6\t\"ab\"\n");
}

TEST(WorldCommands, AStringArgumentMustStartWithAString)
{
    // A word naming a string global starts a numeric argument and passes 0;
    // an empty literal in front makes it a string argument.
    EXPECT_EQ(RunText(R"(
        SetGlobalString "nom" , "Odrin" ;
        Show nom ;
        Show "" nom ;
        string s = "a" ;
        Show s + 1 , 1 + s ;
    )"), "@Show\t0\n"
         "@Show\t\"Odrin\"\n"
         "@Show\t\"a1\"\t1\n");
}

TEST(WorldCommands, BuiltInsRunAtOnceAndCommandsWait)
{
    // Console writes while the script runs; the commands are carried out
    // after the script's frame.
    EXPECT_EQ(RunText("Dire 1 , 2 , \"hi\" ; Console \"first\" ;"), "first@Dire\t1\t2\t\"hi\"\n");
}

TEST(ConsoleCommand, WritesTextUnchangedWithoutLineEnd)
{
    EXPECT_EQ(RunText(R"(Console "a\n" ; Console "b" ; Console "c" ;)"), "a\nbc");
    EXPECT_EQ(RunText("Console \"caf\xE9 \" 1.50 ;"), "caf\xE9 1.50");
}

TEST(GlobalCommands, SetGlobalStringAndNumChangeKinds)
{
    ScriptHarness harness;
    harness.Add(1, R"(
        SetGlobalNum "HAUT" , 7.5 ;
        Console HAUT "|" ;
        SetGlobalString "g" , "x" "y" ;
        Console g "|" ;
        SetGlobalNum "g" , 2 * 3 ;
        Console g ;
    )");
    harness.Start(1);
    harness.RunToEnd();
    EXPECT_EQ(harness.TakeOutput(), "7.5|xy|6");
    EXPECT_EQ(harness.engine.GetGlobal("HAUT").kind, CScriptValue::kFloat);
    EXPECT_EQ(harness.engine.GetGlobal("HAUT").floatValue, 7.5f);
    EXPECT_EQ(harness.engine.GetGlobal("g").kind, CScriptValue::kFloat);
    // The globals outlive the run.
    EXPECT_TRUE(harness.engine.RunQueue().empty());
    EXPECT_EQ(harness.engine.GetGlobal("g").AsInt(), 6);
}

TEST(GlobalCommands, PredefinedConstantsAndMissingNames)
{
    EXPECT_EQ(RunText("Console GAUCHE BAS DROITE HAUT HEROS PNJ \"|\" Absent ;"), "012312|0");
    CScriptEngine engine;
    EXPECT_EQ(engine.GetGlobal("PNJ").kind, CScriptValue::kInt);
    EXPECT_EQ(engine.GetGlobal("Absent").kind, CScriptValue::kInt);
    EXPECT_EQ(engine.Globals().size(), 6u);
}

TEST(NumToStrCommand, StoresFloatTextInALocalString)
{
    EXPECT_EQ(RunText(R"(
        NumToStr 2.5 , "s" ;
        NumToStr 1234567 , "t" ;
        NumToStr 10 / 4 , "u" "v" ;
        Console s "|" t "|" uv ;
        Show s ;
    )"), "2.5|1.23457e+06|2.5@Show\t\"2.5\"\n");
}

TEST(ClockCommand, StoresMillisecondsAsText)
{
    ScriptHarness harness;
    harness.engine.SetClockSource([] { return 1234u; });
    harness.Add(1, "Clock \"c\" ; Console c ; Show 0 + c + 1 ;");
    harness.Start(1);
    harness.RunToEnd();
    EXPECT_EQ(harness.TakeOutput(), "1234@Show\t1235\n");
}

TEST(ClockCommand, DefaultsToTheTimeSinceProgramStart)
{
    ScriptHarness harness;
    harness.Add(1, "Clock \"c\" ; Console c ;");
    harness.Start(1);
    const std::uint32_t before = MillisecondsSinceStart();
    harness.RunToEnd();
    const std::uint32_t after = MillisecondsSinceStart();
    const long printed = std::atol(harness.TakeOutput().c_str());
    EXPECT_GE(printed, static_cast<long>(before));
    EXPECT_LE(printed, static_cast<long>(after));
}

TEST(HasardCommand, DrawsInTheClosedIntervalEitherWay)
{
    ScriptHarness harness;
    harness.engine.SetRandomSource([] { return 13; });
    harness.Add(1, R"(
        Hasard 1 , 6 , "a" ;
        Hasard 6 , 1 , "b" ;
        Hasard 3 , 3 , "c" ;
        Hasard -10 , 10 , "d" ;
        Hasard 2.9 , 4.9 , "e" ;
        Console a b c "|" d "|" e ;
    )");
    harness.Start(1);
    harness.RunToEnd();
    // 1 + 13 mod 6; -10 + 13 mod 21; bounds truncated to 2 and 4.
    EXPECT_EQ(harness.TakeOutput(), "223|3|3");
}

TEST(HasardCommand, BoundsFarApartDoNotOverflow)
{
    ScriptHarness harness;
    harness.engine.SetRandomSource([] { return 2147483647; });
    harness.Add(1, R"(
        Hasard -2147483648 , 2147483647 , "a" ;
        Hasard -2000000000 , 2000000000 , "b" ;
        Console a "|" b ;
    )");
    harness.Start(1);
    harness.RunToEnd();
    EXPECT_EQ(harness.TakeOutput(), "-1|147483647");
}

TEST(HasardCommand, UsesTheStandardGeneratorByDefault)
{
    std::srand(5);
    const int first = std::rand();
    const int second = std::rand();
    std::srand(5);
    EXPECT_EQ(RunText("Hasard 1 , 6 , \"a\" ; Hasard 0 , 99 , \"b\" ; Console a \",\" b ;"),
              std::to_string(1 + first % 6) + "," + std::to_string(second % 100));
}

TEST(ListeVariablesCommand, ListsTheRunsLocalsByType)
{
    EXPECT_EQ(RunText(R"(
        string s = "x y" ;
        float f , g ;
        f = 0.1 ;
        int i = -2 ;
        float big = 1000000 ;
        float mid = 100000 ;
        SetGlobalNum "notListed" , 1 ;
        ListeVariables ;
    )"), kDashes + "Chaines\n" + kDashes +
             "s:\t\tx y\n" +
             kDashes + "Entiers\n" + kDashes +
             "IDMOI:\t\t-1\n"
             "i:\t\t-2\n" +
             kDashes + "Flottants\n" + kDashes +
             "f:\t\t0.1\n"
             "g:\t\t0\n"
             "big:\t\t1e+06\n"
             "mid:\t\t100000\n" +
             kDashes + "\n");
}

TEST(ListeVariablesCommand, EmptyScriptListsTheHeadingsOnly)
{
    CScript script;
    EXPECT_EQ(DumpVariables(script), kDashes + "Chaines\n" + kDashes + kDashes + "Entiers\n" + kDashes + kDashes +
                                         "Flottants\n" + kDashes + kDashes + "\n");
    script.floatVariables.Set("f", 0.1f);
    EXPECT_NE(DumpVariables(script).find("f:\t\t0.1\n"), std::string::npos);
}
