#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ScriptHarness.h"

TEST(NumericExpressions, ValuesAsAWorldCommandArgumentPrintsThem)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        // Precedence: ^ then * / then + -, each level left to right.
        {"2 + 3 * 4", "14"}, {"2 ^ 3 ^ 2", "64"}, {"10 - 4 - 3", "3"}, {"8 / 2 * 4", "16"}, {"2 * 3 ^ 2", "18"},
        {"7 / 2", "3.5"}, {"( 1 + 2 ) * ( 3 + 4 )", "21"}, {"( ( 1 + 2 ) * 2 ) ^ 2", "36"},
        {"2 * ( 3 + ( 4 - 1 ) * 2 )", "18"},
        // Parentheses: empty pairs vanish, unbalanced ones give 0.
        {"( ( 2 ) )", "2"}, {"( ) ( ) 5", "5"}, {"( )", "0"}, {") 1 (", "0"}, {"( 1 + 2", "0"},
        {"5 / ( 2 - 2 )", "0"},
        // A side without a number reads 0 and the other operator stays.
        {"- 5", "-5"}, {"5 -", "5"}, {"2 * - 3", "-3"}, {"* *", "0"}, {"^ 2", "0"}, {"( - 4 ) * 2", "-8"},
        {"3 then + 4", "3"}, {"3 ==", "3"},
        // Words are globals, or 0; a literal starting with digits is its number.
        {"HAUT * 10 + PNJ", "32"}, {"nothing + 1", "1"}, {"3abc + 1", "4"},
        // An `e` without exponent digits ends the number before it.
        {"3e + 1", "4"}, {"1e+ * 5", "5"}, {"2.5E- + 1", "3.5"}, {"2e1 + 1", "21"},
        // A power just above the largest float rounds down to it; from
        // halfway to the next power of two on it is infinite.
        {"50859008 ^ 5", "3.40282e+38"}, {"2.58663869e+15 ^ 2.5", "3.40282e+38"}, {"2 ^ 128", "inf"},
        {"- 2 ^ 129", "-inf"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RunText("Show " + c.first + " ;"), "@Show\t" + c.second + "\n") << "expression: " << c.first;
}

TEST(NumericExpressions, Float32ArithmeticAndStoredValues)
{
    ExpectOutputs({
        {"int a = 16777216 + 1 ; Console a ;", "16777216"},
        {"int a = 16777217 ; Console a ;", "16777216"},
        {"float a = 0.1 + 0.2 ; Console a ;", "0.3"},
        // Ints truncate toward zero within their range; NaN gives 0.
        {"int a = 7 / 2 ; int b = -7 / 2 ; int c = 1e10 ; int d = -1e10 ; int e = -8 ^ 0.5 ;"
         " Console a \" \" b \" \" c \" \" d \" \" e ;", "3 -3 2147483647 -2147483648 0"},
        // An empty expression is 0.
        {"int a = 5 ; a = ; Console a ;", "0"},
        {"string s = \"12abc\" ; float f = s + \"0.5\" ; Console f ;", "12.5"},
        {"string s = \"abc\" ; int i = s + 1 ; Console i ;", "1"},
    });
}

TEST(StringExpressions, ConcatenateTheTextsOfTheirTokens)
{
    ExpectOutputs({
        {"int n = 5 ; Console \"n=\" + n ;", "n=5"},
        {"Console \"a\" \"b\" ( ) \"c\" then \"d\" ;", "abcd"},
        {"float f = 2.50 ; Console 2.50 \"/\" f \"/\" +7 ;", "2.50/2.5/+7"},
    });
}
