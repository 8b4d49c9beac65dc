#include <gtest/gtest.h>

#include "lib/ScriptLinter.h"
#include "pack/PackMessages.h"
#include "lib/ScriptSource.h"

namespace {

// Lints one script written in a source file "s.txt" whose text starts on
// line 2 (under its "@script" line).
Diagnostics Lint(const std::string& text, const std::string& other = "")
{
    Diagnostics diagnostics;
    std::vector<ScriptFile> files(1);
    files[0].file = "s.txt";
    files[0].scripts = ScriptSource::Parse("@script 1\n" + text, "s.txt", diagnostics);
    if (!other.empty()) {
        files.push_back({"o.txt", ScriptSource::Parse("@script 2\n" + other, "o.txt", diagnostics)});
    }
    ScriptLinter::LintWorld(files, diagnostics);
    return diagnostics;
}

} // namespace

// Each check: a snippet it refuses (with the first finding's place, level
// and a word of its message) and the corrected snippet it accepts in silence.
TEST(ScriptLinter, EachCheckFailsItsSnippetAndPassesTheCorrectedOne)
{
    const struct {
        const char* bad;
        int line, column;
        Diagnostic::Level level;
        const char* says;
        const char* good;
    } cases[] = {
        {"int a = 1 ;\na = a+1 ;\n", 3, 5, Diagnostic::Level::Error, "one word", "int a = 1 ;\na = a + 1 ;\n"},
        {"int a = 5;\n", 2, 9, Diagnostic::Level::Error, "one word", "int a = 5 ;\n"},
        {"int a = 3x ;\n", 2, 9, Diagnostic::Level::Error, "number at its start", "int a = -3 ;\n"},
        {"if 1 == 1 then\nLire \"x\" ;\n", 2, 1, Diagnostic::Level::Error, "'if' without 'endif'",
         "if 1 == 1 then\nLire \"x\" ;\nendif\n"},
        {"while 1 == 0 do\n", 2, 1, Diagnostic::Level::Error, "'while' without 'endwhile'",
         "while 1 == 0 do\nendwhile\n"},
        {"for \"i\" to 3 do\n  Console i ;\n", 2, 1, Diagnostic::Level::Error, "'for' without 'next'",
         "for \"i\" to 3 do\n  Console i ;\nnext\n"},
        {"for i to 3 do\nnext\n", 2, 5, Diagnostic::Level::Error, "string literal", "for \"i\" to 3 step 2 do\nnext\n"},
        {"Lire \"a\" ;\n  else\n", 3, 3, Diagnostic::Level::Error, "'else' outside an 'if'",
         "if 1 == 2 then\nelse\nendif\n"},
        {"endwhile\n", 2, 1, Diagnostic::Level::Error, "'endwhile' without 'while'", "while 1 < 2 do\nbreak ;\nendwhile\n"},
        {"goto \"fin\" ;\nlabel \"Fin\" :\n", 2, 6, Diagnostic::Level::Error, "label \"fin\"",
         "goto \"fin\" ;\nlabel \"fin\" :\n"},
        {"Console compte ;\n", 2, 9, Diagnostic::Level::Error, "'compte' is no variable",
         "int compte ;\nConsole compte ;\n"},
        {"total = 3 ;\n", 2, 1, Diagnostic::Level::Error, "not declared", "float total ;\ntotal = 3 ;\n"},
        {"Console Score ;\n", 2, 9, Diagnostic::Level::Error, "'Score' is no variable", "Console Score ;\n"},
        {"Dir 1 , 2 , \"x\" ;\n", 2, 1, Diagnostic::Level::Error, "unknown command 'Dir'", "Dire 1 , 2 , \"x\" ;\n"},
        {"IF 1 == 1 then\nendif\n", 2, 1, Diagnostic::Level::Error, "lower case", "if HAUT == 3 then\nendif\n"},
        {"Choix \"Q\" , PNJ , IDMOI , \"r\" , \"a\" , \"b\" ;\nif r == 0 then\nendif\n", 3, 4,
         Diagnostic::Level::Warning, "before 'bloque'",
         "Choix \"Q\" , PNJ , IDMOI , \"r\" , \"a\" , \"b\" ;\nbloque\nif r == 0 then\nendif\n"},
        {"Input \"Nom\" , HEROS , 1 , \"nom\" , Mot ;\nbloque\n", 2, 35, Diagnostic::Level::Warning, "type of 'Input'",
         "Input \"Nom\" , HEROS , 1 , \"nom\" , \"Mot\" ;\nbloque\nConsole nom ;\n"},
        {"Clock t ;\n", 2, 7, Diagnostic::Level::Error, "named by a string literal", "Clock \"t\" ;\nConsole t ;\n"},
        {"Lire \"Bonjour ;\n", 2, 6, Diagnostic::Level::Error, "never ends", "Lire \"Bonjour\" ;\n"},
        {"Lire \"a\" ;// dit\n", 2, 10, Diagnostic::Level::Error, "lost with the comment", "Lire \"a\" ; // dit\n"},
        {"Lire \"a\" ; FadeIn// fondu\n", 2, 12, Diagnostic::Level::Warning, "dropped with the comment",
         "Lire \"a\" ; FadeIn ; // fondu\n"},
        {"Lire\"a\" ;\n", 2, 1, Diagnostic::Level::Error, "glued to the string literal", "Lire \"a\" ;\n"},
        {"Lire \"a\"\nFadeIn ;\n", 3, 1, Diagnostic::Level::Error, "missing ';' before the command", "Lire \"a\" ;\nFadeIn ;\n"},
        {"if 1 = 1 then\nendif\n", 2, 1, Diagnostic::Level::Error, "'==' compares", "if 1 != 1 then\nendif\n"},
        {"if \"a\" < \"b\" then\nendif\n", 2, 8, Diagnostic::Level::Error, "only with == and !=",
         "if \"a\" == \"b\" then\nendif\n"},
        {"int ;\n", 2, 1, Diagnostic::Level::Error, "needs the name", "int n ;\n"},
        {"int n 5 ;\n", 2, 7, Diagnostic::Level::Error, "expected '='", "int n = 5 ;\n"},
        {"FadeIn ; 5 ;\n", 2, 10, Diagnostic::Level::Warning, "starts no statement", "FadeIn ; ;\n"},
        {"then\n", 2, 1, Diagnostic::Level::Warning, "where no statement needs it", "stop\n"},
        {"label fin :\n", 2, 7, Diagnostic::Level::Error, "string literal", "label \"fin\" :\n"},
        {"while 1 == 1\nLire \"a\" ;\nendwhile\n", 3, 1, Diagnostic::Level::Error, "missing 'do' before",
         "while 1 == 1 do\nLire \"a\" ;\nendwhile\n"},
        {"break ;\n", 2, 1, Diagnostic::Level::Error, "outside a loop", "for \"i\" to 2 do\ncontinue\nnext\n"},
    };
    for (const auto& c : cases) {
        const Diagnostics bad = Lint(c.bad);
        ASSERT_FALSE(bad.All().empty()) << c.bad;
        const Diagnostic& first = bad.All().front();
        EXPECT_EQ(first.line, c.line) << Messages(bad);
        EXPECT_EQ(first.column, c.column) << Messages(bad);
        EXPECT_EQ(first.level, c.level) << Messages(bad);
        EXPECT_NE(first.message.find(c.says), std::string::npos) << Messages(bad);
        // The snippet that uses a global set by another script of the world.
        const Diagnostics good = Lint(c.good, "SetGlobalNum \"Score\" , 2 ;\n");
        EXPECT_EQ(Messages(good), "") << c.good;
    }
}

TEST(ScriptLinter, ReportsEveryMistakeOfAScriptNotOnlyTheFirst)
{
    const Diagnostics found = Lint("Lier \"a\" ;\nConsole x ;\nif 1 == 1 then\n");
    EXPECT_EQ(Messages(found), "s.txt:2:1: error: unknown command 'Lier'; the game would pass over it silently\n"
                          "s.txt:3:9: error: 'x' is no variable: no declaration, loop, result or global gives it "
                          "(it reads as 0)\n"
                          "s.txt:4:1: error: 'if' without 'endif'\n");
}

TEST(ScriptLinter, KnowsThePresetsTheGlobalsAndTheResultsOfCommands)
{
    const Diagnostics found = Lint(
        "Console IDMOI + TILEX + TILEY + GAUCHE + BAS + DROITE + HAUT + HEROS + PNJ ;\n"
        "Console CarteEnCours + CartePre + PosXPre + DecalYPrePre ;\n"
        "Hasard 1 , 6 , \"de\" ;\nNumToStr de , \"texte\" ;\nGetDirHeros 1 , \"sens\" ;\nbloque\n"
        "string a , b , c ;\nConsole a + b + c + de + texte + sens ;\nListeVariables\nstop\n");
    EXPECT_EQ(Messages(found), "");
}
