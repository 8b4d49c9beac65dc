#include <gtest/gtest.h>

#include "ScriptHarness.h"

TEST(IfStatements, ConditionsBranchesAndNesting)
{
    const std::string nested = R"(
        if a > 0 then if a > 10 then Console "big" ; else Console "small" ; endif
        else if a == 0 then Console "zero" ; endif Console "!" ;
        endif Console "." ;)";
    ExpectOutputs({
        {"int a = 3 ; if a == 3 then Console 1 ; endif if a != 3 then Console 2 ; endif"
         " if a + 1 >= 4 then Console 3 ; endif if a > 3 then Console 4 ; endif"
         " if a <= 2 * 2 then Console 5 ; endif if ( a - 1 ) * 2 < 4 then Console 6 ; endif", "135"},
        {"int a = 20 ;" + nested, "big."}, {"int a = 5 ;" + nested, "small."}, {"int a = 0 ;" + nested, "zero!."},
        {"int a = -1 ;" + nested, "!."},
        // A false condition skips nested blocks, their `else` included.
        {R"(if 1 == 2 then if 1 == 1 then Console "a" ; else Console "c" ; endif Console "d" ;
            endif Console "e" ;)", "e"},
    });
}

TEST(IfStatements, StringConditionsOnlyWhenALiteralComesFirst)
{
    ExpectOutputs({
        {R"(string s = "abc" ;
            if "abc" == s then Console "1" ; endif
            if "ab" "c" != s then Console "2" ; endif
            if "" s == "abc" then Console "3" ; endif
            if "abd" != s then Console "4" ; endif
            if "abc" == "abd" then Console "5" ; endif)", "134"},
        // With a variable first both sides are numbers: both read 0.
        {R"(string s = "abc" ; if s == "xyz" then Console "numbers" ; endif)", "numbers"},
        // Strings have no order.
        {R"(if "a" < "b" then Console "lt" ; else Console "no order" ; endif)", "no order"},
    });
}

TEST(Loops, WhileAndFor)
{
    ExpectOutputs({
        {R"(int i = 0 ; int j ;
            while i < 3 do j = 0 ; while j < i do Console j ; j = j + 1 ; endwhile Console "|" ; i = i + 1 ;
            endwhile Console "end" ;)", "|0|01|end"},
        {"while 1 == 2 do Console \"never\" ; endwhile Console \"ok\" ;", "ok"},
        // `for` counts the variable (0 when undeclared) before each pass.
        {R"(int i = 0 ; for "i" to 3 do Console i ; next Console "/" i ;)", "123/4"},
        {R"(int i = 4 ; for "i" to 1 step -1 do Console i ; next)", "321"},
        {R"(for "i" to 5 step 0 do Console "never" ; next Console "i=" i ;)", "i=0"},
        // A step that would carry the counter past the int range ends the
        // loop and leaves the counter at its last value.
        {R"(for "i" to 2147483647 step 1000000000 do Console i "," ; next Console "i=" i ;)",
         "1000000000,2000000000,i=2000000000"},
        {R"(int i = -1000000000 ; for "i" to -2147483648 step -1000000000 do Console i "," ; next Console "i=" i ;)",
         "-2000000000,i=-2000000000"},
        {R"(int i = 2147483520 ; for "i" to 2147483647 step 64 do Console i "," ; next Console "i=" i ;)",
         "2147483584,i=2147483584"},
        {R"(int n = 3 ; for "i" to n * 2 step n - 1 do Console i "," ; next)", "2,4,6,"},
        {R"(int b ;
            for "a" to 3 do b = 0 ; for "b" to 2 do Console a b " " ; next next
            Console "a=" a ;)", "11 12 21 22 31 32 a=4"},
    });
}

TEST(Loops, BreakAndContinueScanWithoutRegardToNesting)
{
    ExpectOutputs({
        {R"(int i = 0 ; while 1 == 1 do i = i + 1 ; if i == 3 then break ; endif endwhile Console i ;)", "3"},
        {R"(for "a" to 3 do for "b" to 3 do Console a b " " ; if b == 2 then break 2 ; endif next next
            Console "out" ;)", "11 12 out"},
        {R"(for "a" to 3 do Console a ; break 0 ; next Console "." ;)", "1."},
        // `break` goes to the next loop end in the text: the inner `next`.
        {R"(for "a" to 2 do
                if a == 1 then break ; endif
                for "b" to 1 do Console "inner" ; next
                Console "after" a ;
            next
            Console "." ;)", "after1innerafter2."},
        {R"(Console "a" ; break ; Console "b" ;)", "a"},
        {R"(for "i" to 5 do if i == 2 then continue endif if i == 4 then continue endif Console i ; next)", "135"},
        {R"(int i = 0 ;
            while i < 4 do i = i + 1 ; if i == 2 then continue endif Console i ; endwhile)", "134"},
        // `continue` goes back to the nearest head: a `for` that ended
        // before it counts again and skips to its `next`.
        {R"(int n = 0 ;
            while n < 3 do
                n = n + 1 ;
                for "k" to 1 do Console "k" ; next
                Console n ;
                if n == 1 then n = n + 1 ; continue endif
                Console "x" ;
            endwhile)", "k12x3x"},
    });
}

TEST(GotoStatements, JumpToLabelsNamedByExpressions)
{
    ExpectOutputs({
        {R"(Console "a" ; goto "skip" ; Console "b" ; label "skip" : Console "c" ;)", "ac"},
        {R"(int n = 0 ; label "top" : n = n + 1 ; Console n ;
            if n < 3 then goto "top" ; endif Console "." ;)", "123."},
        {R"(Console "a" ; goto "nowhere" ; Console "b" ;)", "a"},
        {R"(int n = 2 ; goto "L" n ; label "L1" : Console "one" ; stop label "L2" : Console "two" ;)", "two"},
        {R"(label "x" : Console "in" ;)", "in"},
    });
}

TEST(StopAndIncompleteStatements, EndTheRunWithoutBeingCarriedOut)
{
    ExpectOutputs({
        {R"(Console "a" ; stop Console "b" ;)", "a"}, {"Console \"a\" ;\n", "a"},
        {R"(Console "a" ; Console "b")", "a"}, {R"(Console "a" ; if 1 == 1 Console "b" ;)", "a"},
        {R"(Console "a" ; if 1 then Console "b" ;)", "a"}, {R"(Console "a" ; while 1 == 2 do Console "b" ;)", "a"},
        {R"(Console "a" ; for "i" to 0 do Console "b" ;)", "a"},
        {R"(Console "a" ; Console "b" ; endwhile Console "c" ;)", "ab"},
        {R"(Console "a" ; next Console "c" ;)", "a"}, {R"(continue Console "c" ;)", ""},
        {"int i = 4 ; Console i", ""}, {"Cmd 1 , 2", ""}, {R"(label "x" Console "c" ;)", ""},
        {R"(goto "x" ; label "x")", ""}, {R"(if 1 == 2 then Console "c" ;)", ""},
        // Here the `if` is complete: it found its `else`.
        {R"(if 1 == 2 then Console "c" ; else Console "d" ;)", "d"},
    });
}
