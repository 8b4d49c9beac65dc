#include <gtest/gtest.h>

#include <string>

#include "ScriptHarness.h"
#include "platform/Clock.h"

namespace {

// The output of `text` run with a random generator that always gives `random`.
std::string RunWithRandom(int random, const std::string& text)
{
    ScriptHarness harness;
    harness.engine.SetRandomSource([random] { return random; });
    return harness.Run(text);
}

} // namespace

TEST(WorldCommands, QueueTheirArgumentsAfterTheBuiltInsOfTheFrame)
{
    ExpectOutputs({
        {R"(Dire HEROS , 7 , "Bonjour" , ; FadeOut ; Show 1 + 2 , HAUT * 2 , "a" "b" ;)",
         "@Dire\t1\t7\t\"Bonjour\"\n@FadeOut\n@Show\t3\t6\t\"ab\"\n"},
        // Console runs at once; the command waits for the end of the frame.
        {R"(Dire 1 ; Console "first" ;)", "first@Dire\t1\n"},
        // Only an argument starting with a string literal or variable is a
        // string: a string global passes 0 unless a literal comes first.
        {R"(SetGlobalString "nom" , "Odrin" ; Show nom ; Show "" nom ; string s = "a" ; Show s + 1 , 1 + s ;)",
         "@Show\t0\n@Show\t\"Odrin\"\n@Show\t\"a1\"\t1\n"},
    });
}

TEST(BuiltInCommands, ConsoleGlobalsAndNumToStr)
{
    ExpectOutputs({
        {R"(Console "a\n" ; Console "b" ; Console "c" ;)", "a\nbc"},
        {"Console \"caf\xE9 \" 1.50 ;", "caf\xE9 1.50"},
        {R"(Console GAUCHE BAS DROITE HAUT HEROS PNJ "|" Absent ;)", "012312|0"},
        // A global takes the kind of its last value.
        {R"(SetGlobalNum "HAUT" , 7.5 ; Console HAUT "|" ;
            SetGlobalString "g" , "x" "y" ; Console g "|" ;
            SetGlobalNum "g" , 2 * 3 ; Show g ;)", "7.5|xy|@Show\t6\n"},
        {R"(NumToStr 2.5 , "s" ; NumToStr 1234567 , "t" ; NumToStr 10 / 4 , "u" "v" ;
            Console s "|" t "|" uv ; Show s ;)", "2.5|1.23457e+06|2.5@Show\t\"2.5\"\n"},
    });
}

TEST(BuiltInCommands, GlobalsOutliveTheRun)
{
    ScriptHarness harness;
    harness.Add(1, R"(SetGlobalNum "f" , 7.5 ; SetGlobalString "s" , "x" ;)");
    harness.Add(2, "Console f s ;");
    harness.Start(1);
    harness.Start(2);
    harness.RunToEnd();
    EXPECT_EQ(harness.TakeOutput(), "7.5x");
    EXPECT_EQ(harness.engine.GetGlobal("Absent").kind, CScriptValue::kInt);
    EXPECT_EQ(harness.engine.Globals().size(), 8u);
}

TEST(BuiltInCommands, ClockStoresMillisecondsAsText)
{
    ScriptHarness harness;
    harness.engine.SetClockSource([] { return 1234u; });
    EXPECT_EQ(harness.Run("Clock \"c\" ; Console c ; Show 0 + c + 1 ;"), "1234@Show\t1235\n");

    // By default: the time since program start.
    const std::uint32_t before = MillisecondsSinceStart();
    const std::string printed = RunText("Clock \"c\" ; Console c ;");
    const std::uint32_t after = MillisecondsSinceStart();
    EXPECT_GE(std::stoul(printed), before);
    EXPECT_LE(std::stoul(printed), after);
}

TEST(BuiltInCommands, HasardDrawsInTheClosedIntervalWithoutOverflow)
{
    // 1 + 13 mod 6; -10 + 13 mod 21; bounds truncated to 2 and 4.
    EXPECT_EQ(RunWithRandom(13, R"(Hasard 1 , 6 , "a" ; Hasard 6 , 1 , "b" ; Hasard 3 , 3 , "c" ;
        Hasard -10 , 10 , "d" ; Hasard 2.9 , 4.9 , "e" ; Console a b c "|" d "|" e ;)"), "223|3|3");
    EXPECT_EQ(RunWithRandom(2147483647, R"(Hasard -2147483648 , 2147483647 , "a" ;
        Hasard -2000000000 , 2000000000 , "b" ; Console a "|" b ;)"), "-1|147483647");
}

TEST(BuiltInCommands, ListeVariablesListsTheRunsLocalsByType)
{
    EXPECT_EQ(RunText(R"(string s = "x y" ; float f , g ; f = 0.1 ; int i = -2 ; float big = 1000000 ;
                         SetGlobalNum "notListed" , 1 ; ListeVariables ;)"),
              Listing("s:\t\tx y\n", "IDMOI:\t\t-1\ni:\t\t-2\n", "f:\t\t0.1\ng:\t\t0\nbig:\t\t1e+06\n"));
    // It consumes nothing after it: the next statement follows at once.
    EXPECT_EQ(RunText(R"(ListeVariables Console "after" ;)"), Listing("", "IDMOI:\t\t-1\n", "") + "after");
}
