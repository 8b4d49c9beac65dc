#include <gtest/gtest.h>

#include "ScriptHarness.h"

TEST(Declarations, TypesListsAndNames)
{
    ExpectOutputs({
        {R"(int i = 2 + 3 ; float f = 7 / 2 ; string s = "a" "b" ; Console i "|" f "|" s ;)", "5|3.5|ab"},
        {R"(int i ; float f ; string s ; Console "[" i "|" f "|" s "]" ;)", "[0|0|]"},
        {"int a , b , c ; a = 1 ; b = 2 ; c = 3 ; Console a b c ;", "123"},
        // The name may come from a string literal or a string variable.
        {R"(string which = "counter" ; int which = 9 ; int "other" = 4 ; Console counter other ;)", "94"},
        // Any other token after the name declares nothing: the undeclared
        // word reads as a global, 0 (an empty string had it been declared).
        {R"(string x "a" ; Console "[" x "]" ;)", "[0]"},
        // Names are declared as they are read: a repeated name is by then a
        // variable, and its value names the next one.
        {"float f , f , f ; ListeVariables", Listing("", "IDMOI:\t\t-1\n", "f:\t\t0\n0:\t\t0\n")},
        {R"(string s , s ; ListeVariables)", Listing("s:\t\t\n:\t\t\n", "IDMOI:\t\t-1\n", "")},
        {"int b , a , a , b ; ListeVariables", Listing("", "IDMOI:\t\t-1\nb:\t\t0\na:\t\t0\n0:\t\t0\n", "")},
        // A name in several types reads as the string, else as the float.
        {R"(int v = 5 ; float "v" = 2.5 ; Console v "|" ; string "v" = "t" ; Console v ;)", "2.5|t"},
        // Redeclaring through a literal sets the one variable.
        {R"(int x = 1 ; int "x" = 2 ; Console x ; ListeVariables)", "2" + Listing("", "IDMOI:\t\t-1\nx:\t\t2\n", "")},
        // Once `j` exists, `int j` declares a variable named after its value.
        {"int j = 7 ; int j = 0 ; Console j \"|\" ; ListeVariables",
         "7|" + Listing("", "IDMOI:\t\t-1\nj:\t\t7\n7:\t\t0\n", "")},
    });
}

TEST(Assignments, TypesSkippedEqualsAndUndeclaredWords)
{
    ExpectOutputs({
        {R"(int i ; float f ; string s ; i = 9.99 ; f = 1 / 4 ; s = "x" i ; Console i "|" f "|" s ;)", "9|0.25|x9"},
        // Whatever stands after the name is skipped as if it were `=`.
        {"int i ; i + 4 ; Console i ;", "4"},
        // An undeclared word is a world command: `= 5` is one argument, read as 0.
        {"x = 5 ; Console \"after\" ;", "after@x\t0\n"},
        // Stray literals and `;` are empty statements.
        {"; ; 5 \"text\" ; Console \"ok\" ;", "ok"},
    });
}
