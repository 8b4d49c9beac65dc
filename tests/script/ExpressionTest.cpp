#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ScriptHarness.h"
#include "script/EvalItems.h"

namespace {

// The value of a numeric expression, as a world command's argument prints it.
std::string Number(const std::string& expression)
{
    const std::string output = RunText("Show " + expression + " ;");
    const std::string prefix = "@Show\t";
    if (output.compare(0, prefix.size(), prefix) != 0 || output.back() != '\n')
        return "unexpected output: " + output;
    return output.substr(prefix.size(), output.size() - prefix.size() - 1);
}

} // namespace

TEST(NumericExpressions, PrecedenceAndGrouping)
{
    EXPECT_EQ(Number("2 + 3 * 4"), "14");
    EXPECT_EQ(Number("2 ^ 3 ^ 2"), "64");
    EXPECT_EQ(Number("10 - 4 - 3"), "3");
    EXPECT_EQ(Number("8 / 2 * 4"), "16");
    EXPECT_EQ(Number("2 * 3 ^ 2"), "18");
    EXPECT_EQ(Number("( 1 + 2 ) * ( 3 + 4 )"), "21");
    EXPECT_EQ(Number("( ( 1 + 2 ) * 2 ) ^ 2"), "36");
    EXPECT_EQ(Number("2 * ( 3 + ( 4 - 1 ) * 2 )"), "18");
    EXPECT_EQ(Number("7 / 2"), "3.5");
}

TEST(NumericExpressions, ParenthesisEdgeCases)
{
    EXPECT_EQ(Number("( 1 ) + 2"), "3");
    EXPECT_EQ(Number("( ( 2 ) )"), "2");
    EXPECT_EQ(Number("( )"), "0");
    EXPECT_EQ(Number(") 1 ("), "0");
    EXPECT_EQ(Number("( 1 + 2"), "0");
    EXPECT_EQ(Number("1 + 2 )"), "0");
    EXPECT_EQ(Number("( ) ( ) 5"), "5");
}

TEST(NumericExpressions, DivisionByZeroAndFloat32Arithmetic)
{
    EXPECT_EQ(Number("5 / 0"), "0");
    EXPECT_EQ(Number("5 / ( 2 - 2 )"), "0");
    // 16777216 + 1 is not representable in float32.
    EXPECT_EQ(RunText("int a = 16777216 + 1 ; Console a ;"), "16777216");
    EXPECT_EQ(RunText("int a = 16777217 ; Console a ;"), "16777216");
    EXPECT_EQ(RunText("float a = 0.1 + 0.2 ; Console a ;"), "0.3");
    // (-8) ^ 0.5 has no real value; it prints as nan and converts to int 0.
    EXPECT_EQ(RunText("int a = -8 ^ 0.5 ; Console a ;"), "0");
}

TEST(NumericExpressions, OperatorWithoutANumberOnASideTakesZeroThere)
{
    EXPECT_EQ(Number("- 5"), "-5");
    EXPECT_EQ(Number("5 -"), "5");
    EXPECT_EQ(Number("2 * - 3"), "-3");
    EXPECT_EQ(Number("* *"), "0");
    EXPECT_EQ(Number("^ 2"), "0");
    EXPECT_EQ(Number("( - 4 ) * 2"), "-8");
    // Stray tokens that are no part of arithmetic count as 0 operands.
    EXPECT_EQ(Number("3 then + 4"), "3");
    EXPECT_EQ(Number("3 =="), "3");
}

TEST(NumericExpressions, ValuesOfTokens)
{
    // Integer division truncates toward zero when stored in an int.
    EXPECT_EQ(RunText("int a = 7 / 2 ; int b = -7 / 2 ; Console a \" \" b ;"), "3 -3");
    // A string variable or literal is read as the number it starts with.
    EXPECT_EQ(RunText("string s = \"12abc\" ; float f = s + \"0.5\" ; Console f ;"), "12.5");
    EXPECT_EQ(RunText("string s = \"abc\" ; int i = s + 1 ; Console i ;"), "1");
    // Words: globals, and 0 for names that are nothing.
    EXPECT_EQ(Number("HAUT * 10 + PNJ"), "32");
    EXPECT_EQ(Number("nothing + 1"), "1");
    // A literal word that begins with digits is its number.
    EXPECT_EQ(Number("3abc + 1"), "4");
}

TEST(StringExpressions, ConcatenationOfTokenTexts)
{
    EXPECT_EQ(RunText("int n = 5 ; Console \"n=\" + n ;"), "n=5");
    EXPECT_EQ(RunText("Console \"a\" \"b\" ( ) \"c\" ;"), "abc");
    // Literals contribute their text as written; floats print short.
    EXPECT_EQ(RunText("float f = 2.50 ; Console 2.50 \"/\" f \"/\" +7 ;"), "2.50/2.5/+7");
    EXPECT_EQ(RunText("Console HAUT \"|\" nothing ;"), "3|0");
    EXPECT_EQ(RunText("SetGlobalString \"g\" , \"hello\" ; Console g ;"), "hello");
    // Keywords in a string expression contribute nothing either.
    EXPECT_EQ(RunText("Console \"x\" then \"y\" ;"), "xy");
}

TEST(EvalItemsList, DirectLists)
{
    EXPECT_EQ(EvalItems({}), 0.0f);
    EXPECT_EQ(EvalItems({ExprItem::Int(4)}), 4.0f);
    EXPECT_EQ(EvalItems({ExprItem::Operator(ExprItem::kPlus)}), 0.0f);
    EXPECT_EQ(EvalItems({ExprItem::Int(1), ExprItem::Operator(ExprItem::kMinus), ExprItem::Float(0.5f)}), 0.5f);
    // A lone trailing operator never reads past the end of the list.
    std::vector<ExprItem> items = {ExprItem::Float(2.0f), ExprItem::Operator(ExprItem::kPower)};
    EXPECT_EQ(EvalFlat(items), 1.0f);
}
