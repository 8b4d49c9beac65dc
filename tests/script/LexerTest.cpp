#include <gtest/gtest.h>

#include <string>

#include "script/CScript.h"
#include "script/ScriptTables.h"

namespace {

const char* TypeName(std::int32_t type)
{
    switch (type) {
    case TokOperator: return "Op";
    case TokKeyword: return "Kw";
    case TokIntVar: return "IntVar";
    case TokFloatVar: return "FloatVar";
    case TokStringVar: return "StrVar";
    case TokIntLiteral: return "Int";
    case TokFloatLiteral: return "Float";
    case TokStringLiteral: return "Str";
    case TokWord: return "Word";
    case TokEnd: return "End";
    default: return "None";
    }
}

// The compiled tokens of `text`, written as Type(text) separated by spaces.
std::string Tokens(const std::string& text)
{
    InitScriptTables();
    CScript script;
    script.Tokenize(text, 1);
    std::string described;
    for (const ScriptToken& token : script.tokens) {
        if (!described.empty())
            described += ' ';
        described += std::string(TypeName(token.type)) + "(" + token.text + ")";
    }
    return described;
}

} // namespace

TEST(ScriptLexer, OperatorsNeedSeparators)
{
    EXPECT_EQ(Tokens("x = x + 1 ;"), "Word(x) Op(=) Word(x) Op(+) Int(1) Op(;)");
    EXPECT_EQ(Tokens("x=x+1;"), "Word(x=x+1;)");
    EXPECT_EQ(Tokens("a\tb\r\nc"), "Word(a) Word(b) Word(c)");
    // Only the four separators separate: a form feed is part of a word.
    EXPECT_EQ(Tokens("a\fb"), "Word(a\fb)");
}

TEST(ScriptLexer, EmptyAndBlankTexts)
{
    EXPECT_EQ(Tokens(""), "");
    EXPECT_EQ(Tokens(" \t\r\n "), "Kw(stop)");
    // A text that ends with a line break ends with an extra `stop`.
    EXPECT_EQ(Tokens("Console 1 ;\n"), "Word(Console) Int(1) Op(;) Kw(stop)");
}

TEST(ScriptLexer, KeywordsAreCaseSensitive)
{
    EXPECT_EQ(Tokens("if IF If"), "Kw(if) Word(IF) Word(If)");
    CScript script;
    script.Tokenize("while endwhile", 1);
    ASSERT_EQ(script.tokens.size(), 2u);
    EXPECT_EQ(script.tokens[0].id, KwWhile);
    EXPECT_EQ(script.tokens[1].id, KwEndwhile);
}

TEST(ScriptLexer, NumberLiterals)
{
    EXPECT_EQ(Tokens("7 7.5 7.0 -5 +7 5. 3abc"), "Int(7) Float(7.5) Int(7.0) Int(-5) Int(+7) Int(5.) Int(3abc)");
    EXPECT_EQ(Tokens("2.5 1e3 -0.25 .5 16777217 16777216"),
              "Float(2.5) Float(1e3) Float(-0.25) Float(.5) Float(16777217) Int(16777216)");
    // Out of the int range but a float; no digits at all; an exponent
    // without digits makes the float read fail.
    EXPECT_EQ(Tokens("99999999999 - e5 1e+"), "Float(99999999999) Op(-) Word(e5) Word(1e+)");
}

TEST(ScriptLexer, StringLiterals)
{
    EXPECT_EQ(Tokens(R"("a b // c")"), "Str(a b // c)");
    EXPECT_EQ(Tokens(R"("q\"b\\n\n" x)"), "Str(q\"b\\n\n) Word(x)");
    // A backslash before any other character stays.
    EXPECT_EQ(Tokens(R"("\t\x")"), "Str(\\t\\x)");
    // The closing quote ends the token even with no separator after it;
    // characters gathered before the opening quote are kept.
    EXPECT_EQ(Tokens(R"(ab"cd"ef)"), "Str(abcd) Word(ef)");
    EXPECT_EQ(Tokens(R"("")"), "Str()");
    // Without a closing quote the content is an ordinary word.
    EXPECT_EQ(Tokens(R"("12)"), "Int(12)");
    EXPECT_EQ(Tokens(R"(x ")"), "Word(x) Kw(stop)");
}

TEST(ScriptLexer, Comments)
{
    EXPECT_EQ(Tokens("a // comment\nb"), "Word(a) Word(b)");
    // A `;` glued to a comment is lost with it; with a space it stays.
    EXPECT_EQ(Tokens("x = 1 ;// set x\ny"), "Word(x) Op(=) Int(1) Word(y)");
    EXPECT_EQ(Tokens("x = 1 ; // set x\ny"), "Word(x) Op(=) Int(1) Op(;) Word(y)");
    // A comment on the last line: the call that met it yields `stop`.
    EXPECT_EQ(Tokens("a //end"), "Word(a) Kw(stop)");
    EXPECT_EQ(Tokens("a//end"), "Kw(stop)");
    EXPECT_EQ(Tokens("// one\n// two\nz"), "Word(z)");
}

TEST(CScriptCursor, NextPrevAndRewind)
{
    InitScriptTables();
    CScript script;
    script.Tokenize("int a ;", 3);
    EXPECT_EQ(script.id, 3);
    EXPECT_EQ(script.NextToken().text, "int");
    ScriptToken name = script.NextToken();
    EXPECT_EQ(name.type, TokWord);
    EXPECT_EQ(script.NextToken().id, OpSemicolon);
    ScriptToken end = script.NextToken();
    EXPECT_EQ(end.type, TokEnd);
    EXPECT_EQ(end.text, "");
    EXPECT_EQ(script.programCounter, 3);

    // Stepping back makes the next read give the same token again.
    script.Rewind();
    script.NextToken();
    script.PrevToken();
    EXPECT_EQ(script.NextToken().text, "int");

    script.programCounter = 0;
    EXPECT_EQ(script.PrevToken().text, "int");
    EXPECT_EQ(script.programCounter, -1);
    EXPECT_EQ(script.PrevToken().type, TokEnd);
    EXPECT_EQ(script.programCounter, -1);
    EXPECT_EQ(script.NextToken().type, TokEnd);
}

TEST(CScriptCursor, WordsAreRetypedByTheVariablesOfTheMoment)
{
    InitScriptTables();
    CScript script;
    script.Tokenize("v v v v", 1);
    EXPECT_EQ(script.NextToken().type, TokWord);
    script.intVariables.Set("v", 1);
    EXPECT_EQ(script.NextToken().type, TokIntVar);
    script.floatVariables.Set("v", 1.0f);
    EXPECT_EQ(script.NextToken().type, TokFloatVar);
    script.stringVariables.Set("v", "s");
    EXPECT_EQ(script.NextToken().type, TokStringVar);
    // The stored token keeps its compiled type.
    EXPECT_EQ(script.tokens[3].type, TokWord);
}
