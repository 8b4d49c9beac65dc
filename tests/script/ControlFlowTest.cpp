#include <gtest/gtest.h>

#include "ScriptHarness.h"

TEST(IfStatements, NumericConditions)
{
    EXPECT_EQ(RunText(R"(
        int a = 3 ;
        if a == 3 then Console "eq " ; endif
        if a != 3 then Console "ne " ; endif
        if a + 1 >= 4 then Console "ge " ; endif
        if a > 3 then Console "gt " ; endif
        if a <= 2 * 2 then Console "le " ; endif
        if ( a - 1 ) * 2 < 4 then Console "lt " ; endif
    )"), "eq ge le ");
}

TEST(IfStatements, ElseBranchesAndNesting)
{
    const char* script = R"(
        int a = ARG ;
        if a > 0 then
            if a > 10 then Console "big" ; else Console "small" ; endif
        else
            if a == 0 then Console "zero" ; endif
            Console "!" ;
        endif
        Console "." ;
    )";
    auto run = [&](const std::string& value) {
        std::string text = script;
        text.replace(text.find("ARG"), 3, value);
        return RunText(text);
    };
    EXPECT_EQ(run("20"), "big.");
    EXPECT_EQ(run("5"), "small.");
    EXPECT_EQ(run("0"), "zero!.");
    EXPECT_EQ(run("-1"), "!.");
}

TEST(IfStatements, FalseWithoutElseSkipsNestedBlocks)
{
    EXPECT_EQ(RunText(R"(
        if 1 == 2 then
            if 1 == 1 then Console "a" ; endif
            if 1 == 1 then Console "b" ; else Console "c" ; endif
            Console "d" ;
        endif
        Console "e" ;
    )"), "e");
}

TEST(IfStatements, StringConditionsOnlyWhenALiteralComesFirst)
{
    EXPECT_EQ(RunText(R"(
        string s = "abc" ;
        if "abc" == s then Console "1" ; endif
        if "ab" "c" != s then Console "2" ; endif
        if "" s == "abc" then Console "3" ; endif
        if "abd" != s then Console "4" ; endif
    )"), "134");
    // With a string variable first both sides are numbers: "abc" and "xyz"
    // both read as 0.
    EXPECT_EQ(RunText(R"(
        string s = "abc" ;
        if s == "xyz" then Console "numbers" ; endif
    )"), "numbers");
    // Strings have no order: an ordering operator makes the condition false.
    EXPECT_EQ(RunText(R"(
        if "a" < "b" then Console "lt" ; else Console "no order" ; endif
    )"), "no order");
}

TEST(WhileLoops, CountingAndNesting)
{
    EXPECT_EQ(RunText(R"(
        int i = 0 ;
        int j ;
        while i < 3 do
            j = 0 ;
            while j < i do
                Console j ;
                j = j + 1 ;
            endwhile
            Console "|" ;
            i = i + 1 ;
        endwhile
        Console "end" ;
    )"), "|0|01|end");
    EXPECT_EQ(RunText("while 1 == 2 do Console \"never\" ; endwhile Console \"ok\" ;"), "ok");
}

TEST(ForLoops, CountsFromTheVariableAndLeavesItPastTheLimit)
{
    EXPECT_EQ(RunText(R"(
        int i = 0 ;
        for "i" to 3 do Console i ; next
        Console "/" i ;
    )"), "123/4");
    // Without a declaration the variable starts from 0 as well.
    EXPECT_EQ(RunText("for \"k\" to 2 do Console k ; next"), "12");
}

TEST(ForLoops, StepsDownZeroAndComputedBounds)
{
    EXPECT_EQ(RunText(R"(
        int i = 4 ;
        for "i" to 1 step -1 do Console i ; next
    )"), "321");
    EXPECT_EQ(RunText(R"(
        for "i" to 5 step 0 do Console "never" ; next
        Console "i=" i ;
    )"), "i=0");
    EXPECT_EQ(RunText(R"(
        int n = 3 ;
        for "i" to n * 2 step n - 1 do Console i "," ; next
    )"), "2,4,6,");
}

TEST(ForLoops, NestedLoopsRunTheInnerLoopFully)
{
    EXPECT_EQ(RunText(R"(
        int b ;
        for "a" to 3 do
            b = 0 ;
            for "b" to 2 do Console a b " " ; next
        next
        Console "a=" a ;
    )"), "11 12 21 22 31 32 a=4");
}

TEST(BreakStatements, LeaveOneOrMoreLoops)
{
    EXPECT_EQ(RunText(R"(
        int i = 0 ;
        while 1 == 1 do
            i = i + 1 ;
            if i == 3 then break ; endif
        endwhile
        Console i ;
    )"), "3");
    EXPECT_EQ(RunText(R"(
        for "a" to 3 do
            for "b" to 3 do
                Console a b " " ;
                if b == 2 then break 2 ; endif
            next
        next
        Console "out" ;
    )"), "11 12 out");
    // A count of 0 means 1.
    EXPECT_EQ(RunText(R"(
        for "a" to 3 do Console a ; break 0 ; next Console "." ;
    )"), "1.");
}

TEST(BreakStatements, ScanForTheNextLoopEndWithoutRegardToNesting)
{
    // The inner `next` comes first in the text, so `break` stops there and
    // the outer loop goes on.
    EXPECT_EQ(RunText(R"(
        for "a" to 2 do
            if a == 1 then break ; endif
            for "b" to 1 do Console "inner" ; next
            Console "after" a ;
        next
        Console "." ;
    )"), "after1inner" "after2.");
    // Past the last loop end the run ends there.
    EXPECT_EQ(RunText("Console \"a\" ; break ; Console \"b\" ;"), "a");
}

TEST(ContinueStatements, GoBackToTheNearestLoopHead)
{
    EXPECT_EQ(RunText(R"(
        for "i" to 5 do
            if i == 2 then continue endif
            if i == 4 then continue endif
            Console i ;
        next
    )"), "135");
    EXPECT_EQ(RunText(R"(
        int i = 0 ;
        while i < 4 do
            i = i + 1 ;
            if i == 2 then continue endif
            Console i ;
        endwhile
    )"), "134");
    // Without regard to nesting: a `for` that ended before `continue` is
    // the nearest head, so it counts again and skips straight to its `next`
    // instead of the `while` testing its condition.
    EXPECT_EQ(RunText(R"(
        int n = 0 ;
        while n < 3 do
            n = n + 1 ;
            for "k" to 1 do Console "k" ; next
            Console n ;
            if n == 1 then n = n + 1 ; continue endif
            Console "x" ;
        endwhile
    )"), "k12x3x");
}

TEST(GotoStatements, JumpForwardBackwardAndToNothing)
{
    EXPECT_EQ(RunText(R"(
        Console "a" ;
        goto "skip" ;
        Console "b" ;
        label "skip" :
        Console "c" ;
    )"), "ac");
    EXPECT_EQ(RunText(R"(
        int n = 0 ;
        label "top" :
        n = n + 1 ;
        Console n ;
        if n < 3 then goto "top" ; endif
        Console "." ;
    )"), "123.");
    EXPECT_EQ(RunText(R"(
        Console "a" ;
        goto "nowhere" ;
        Console "b" ;
    )"), "a");
}

TEST(GotoStatements, LabelNamesAreExpressions)
{
    EXPECT_EQ(RunText(R"(
        int n = 2 ;
        goto "L" n ;
        label "L1" : Console "one" ; stop
        label "L2" : Console "two" ;
    )"), "two");
    // Reaching a label by running into it just passes over it.
    EXPECT_EQ(RunText("label \"x\" : Console \"in\" ;"), "in");
}

TEST(StopStatements, EndTheRun)
{
    EXPECT_EQ(RunText("Console \"a\" ; stop Console \"b\" ;"), "a");
    // A trailing line break compiles to `stop`, which ends the run the same.
    EXPECT_EQ(RunText("Console \"a\" ;\n"), "a");
}

TEST(IncompleteStatements, EndTheRunWithoutBeingCarriedOut)
{
    EXPECT_EQ(RunText("Console \"a\" ; Console \"b\""), "a");
    EXPECT_EQ(RunText("Console \"a\" ; if 1 == 1 Console \"b\" ;"), "a");
    EXPECT_EQ(RunText("Console \"a\" ; if 1 then Console \"b\" ;"), "a");
    EXPECT_EQ(RunText("Console \"a\" ; while 1 == 2 do Console \"b\" ;"), "a");
    EXPECT_EQ(RunText("Console \"a\" ; for \"i\" to 0 do Console \"b\" ;"), "a");
    EXPECT_EQ(RunText("Console \"a\" ; Console \"b\" ; endwhile Console \"c\" ;"), "ab");
    EXPECT_EQ(RunText("Console \"a\" ; next Console \"c\" ;"), "a");
    EXPECT_EQ(RunText("continue Console \"c\" ;"), "");
    EXPECT_EQ(RunText("int i = 4 ; Console i"), "");
    EXPECT_EQ(RunText("Cmd 1 , 2"), "");
    EXPECT_EQ(RunText("label \"x\" Console \"c\" ;"), "");
    EXPECT_EQ(RunText("goto \"x\" ; label \"x\""), "");
    EXPECT_EQ(RunText("if 1 == 2 then Console \"c\" ;"), "");
    // Here the `if` itself is complete: it found its `else`.
    EXPECT_EQ(RunText("if 1 == 2 then Console \"c\" ; else Console \"d\" ;"), "d");
}
