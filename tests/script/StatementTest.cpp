#include <gtest/gtest.h>

#include "ScriptHarness.h"

TEST(Declarations, EachTypeWithAndWithoutInitialiser)
{
    EXPECT_EQ(RunText(R"(
        int i = 2 + 3 ;
        float f = 7 / 2 ;
        string s = "a" "b" ;
        Console i "|" f "|" s ;
    )"), "5|3.5|ab");
    EXPECT_EQ(RunText(R"(
        int i ; float f ; string s ;
        Console "[" i "|" f "|" s "]" ;
    )"), "[0|0|]");
}

TEST(Declarations, ListsAndNamesFromExpressions)
{
    EXPECT_EQ(RunText(R"(
        int a , b , c ;
        a = 1 ; b = 2 ; c = 3 ;
        Console a b c ;
    )"), "123");
    // The name may come from a string literal or a string variable.
    EXPECT_EQ(RunText(R"(
        string which = "counter" ;
        int which = 9 ;
        int "other" = 4 ;
        Console counter other ;
    )"), "94");
}

TEST(Declarations, RedeclaringThroughALiteralSetsTheValue)
{
    EXPECT_EQ(RunText(R"(int x = 1 ; int "x" = 2 ; Console x ; ListeVariables)"),
              "2"
              "---------------------------------------\nChaines\n---------------------------------------\n"
              "---------------------------------------\nEntiers\n---------------------------------------\n"
              "IDMOI:\t\t-1\nx:\t\t2\n"
              "---------------------------------------\nFlottants\n---------------------------------------\n"
              "---------------------------------------\n\n");
}

TEST(Declarations, AWordThatIsAlreadyAVariableGivesItsValueAsTheName)
{
    // The name token is read like any other, so once `j` exists the second
    // declaration declares a variable named after j's value, and j keeps 7.
    EXPECT_EQ(RunText(R"(
        int j = 7 ;
        int j = 0 ;
        Console j "|" ;
        ListeVariables
    )"), "7|"
         "---------------------------------------\nChaines\n---------------------------------------\n"
         "---------------------------------------\nEntiers\n---------------------------------------\n"
         "IDMOI:\t\t-1\nj:\t\t7\n7:\t\t0\n"
         "---------------------------------------\nFlottants\n---------------------------------------\n"
         "---------------------------------------\n\n");
}

TEST(Declarations, AnyOtherTokenAfterTheNameDeclaresNothing)
{
    EXPECT_EQ(RunText("int x 5 ; Console \"[\" x \"]\" ;"), "[0]");
}

TEST(Declarations, SameNameInTwoTypesReadsAsTheString)
{
    EXPECT_EQ(RunText(R"(
        int v = 5 ;
        string "v" = "text" ;
        Console v ;
    )"), "text");
}

TEST(Assignments, EachTypeAndTheSkippedEqualsSign)
{
    EXPECT_EQ(RunText(R"(
        int i ; float f ; string s ;
        i = 9.99 ; f = 1 / 4 ; s = "x" i ;
        Console i "|" f "|" s ;
    )"), "9|0.25|x9");
    // Whatever stands after the name is skipped as if it were `=`.
    EXPECT_EQ(RunText("int i ; i + 4 ; Console i ;"), "4");
}

TEST(Assignments, UndeclaredWordBecomesAWorldCommand)
{
    EXPECT_EQ(RunText("x = 5 ; Console \"after\" ;"), "after@x\t0\n");
}

TEST(Assignments, StrayTokensAreEmptyStatements)
{
    EXPECT_EQ(RunText("; ; 5 \"text\" ; Console \"ok\" ;"), "ok");
}
