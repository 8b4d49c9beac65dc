#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "script/CScript.h"
#include "script/ScriptTables.h"

namespace {

// The compiled tokens of `text`, written as Type(text) separated by spaces.
std::string Tokens(const std::string& text)
{
    static const char* const kTypeNames[] = {"None", "Op",  "Kw",   "IntVar", "FloatVar", "StrVar",
                                             "Int",  "Float", "Str", "Word",   "End"};
    InitScriptTables();
    CScript script;
    script.Tokenize(text, 1);
    std::string described;
    for (const ScriptToken& token : script.tokens)
        described += (described.empty() ? "" : " ") + std::string(kTypeNames[token.type]) + "(" + token.text + ")";
    return described;
}

} // namespace

TEST(ScriptLexer, CutsTextsIntoTypedTokens)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        // Operators need separators, and only space, tab, CR and LF separate.
        {"x = x + 1 ;", "Word(x) Op(=) Word(x) Op(+) Int(1) Op(;)"}, {"x=x+1;", "Word(x=x+1;)"},
        {"a\tb\r\nc", "Word(a) Word(b) Word(c)"}, {"a\fb", "Word(a\fb)"},
        // A text ending in separators ends with an extra `stop`.
        {"", ""}, {" \t\r\n ", "Kw(stop)"}, {"Console 1 ;\n", "Word(Console) Int(1) Op(;) Kw(stop)"},
        {"if IF If", "Kw(if) Word(IF) Word(If)"},
        // Numbers: an int literal must read the same as a float32.
        {"7 7.5 7.0 -5 +7 5. 3abc", "Int(7) Float(7.5) Int(7.0) Int(-5) Int(+7) Int(5.) Int(3abc)"},
        {"2.5 1e3 -0.25 .5 16777217 16777216",
         "Float(2.5) Float(1e3) Float(-0.25) Float(.5) Float(16777217) Int(16777216)"},
        // An `e` without exponent digits is not part of the number.
        {"99999999999 - e5 1e+ 3e 2.5E-x", "Float(99999999999) Op(-) Word(e5) Int(1e+) Int(3e) Float(2.5E-x)"},
        // String literals: \n, \" and \\ escapes; any other backslash stays.
        {R"("a b // c")", "Str(a b // c)"}, {R"("q\"b\\n\n" x)", "Str(q\"b\\n\n) Word(x)"},
        {R"("\t\x")", "Str(\\t\\x)"}, {R"(ab"cd"ef)", "Str(abcd) Word(ef)"}, {R"("")", "Str()"},
        {R"("12)", "Int(12)"}, {R"(x ")", "Word(x) Kw(stop)"},
        // A comment takes the word glued to it along, `;` included.
        {"a // comment\nb", "Word(a) Word(b)"}, {"x = 1 ;// set x\ny", "Word(x) Op(=) Int(1) Word(y)"},
        {"x = 1 ; // set x\ny", "Word(x) Op(=) Int(1) Op(;) Word(y)"}, {"a //end", "Word(a) Kw(stop)"},
        {"a//end", "Kw(stop)"}, {"// one\n// two\nz", "Word(z)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Tokens(c.first), c.second) << "text: " << c.first;
}

TEST(CScriptCursor, NextAndPrevStopAtTheEnds)
{
    InitScriptTables();
    CScript script;
    script.Tokenize("int a ;", 3);
    EXPECT_EQ(script.NextToken().id, KwInt);
    EXPECT_EQ(script.NextToken().text, "a");
    EXPECT_EQ(script.NextToken().id, OpSemicolon);
    EXPECT_EQ(script.NextToken().type, TokEnd);
    EXPECT_EQ(script.programCounter, 3);
    // PrevToken gives the token at the counter, then steps back.
    script.Rewind();
    EXPECT_EQ(script.PrevToken().text, "int");
    EXPECT_EQ(script.PrevToken().type, TokEnd);
    EXPECT_EQ(script.programCounter, -1);
    EXPECT_EQ(script.NextToken().type, TokEnd);
}

TEST(CScriptCursor, NextAndPrevRetypeWordsAsTheLocalsOfTheMoment)
{
    InitScriptTables();
    CScript script;
    script.Tokenize("a b c d", 4);
    script.intVariables.Set("a", 1);
    script.floatVariables.Set("b", 1.0f);
    script.stringVariables.Set("c", "x");
    // A name in several lists reads as the string, then the float.
    script.intVariables.Set("c", 2);
    const std::vector<ScriptTokenType> expected = {TokIntVar, TokFloatVar, TokStringVar, TokWord};
    for (std::int32_t i = 0; i < 4; ++i) {
        script.programCounter = i;
        EXPECT_EQ(script.NextToken().type, expected[i]) << "NextToken at " << i;
        script.programCounter = i;
        EXPECT_EQ(script.PrevToken().type, expected[i]) << "PrevToken at " << i;
    }
}
