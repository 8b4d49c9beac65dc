#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "lib/Diagnostics.h"
#include "lib/LintArguments.h"
#include "lib/LintDeclarations.h"
#include "lib/LintToken.h"
#include "lib/ScriptFile.h"

// Finds the mistakes the game would pass over in silence: unbalanced
// blocks, jumps to missing labels, variables and commands that nothing
// defines, answers read before the player gave them, and the lexical traps
// of LintLexer. Errors are what surely misbehaves; warnings what probably
// does.
class ScriptLinter {
public:
    // Lints every script of a world. A global that any script sets counts
    // as defined in all of them.
    static void LintWorld(const std::vector<ScriptFile>& files, Diagnostics& diagnostics);

    // Whether any script has a statement starting with `command`.
    static bool AnyScriptCalls(const std::vector<ScriptFile>& files, const std::string& command);

private:
    ScriptLinter(const SourceScript& script, const std::string& file, const std::vector<LintToken>& tokens,
                 const std::set<std::string>& globals, const LintDeclarations& declarations,
                 Diagnostics& diagnostics);

    struct Block {
        std::int32_t keyword = 0;
        std::size_t token = 0;
    };

    void Run();
    std::size_t Statement(std::size_t i);
    std::size_t Keyword(std::size_t i);
    std::size_t Word(std::size_t i);
    std::size_t Condition(std::size_t start, std::int32_t end, const LintToken& head);
    std::size_t Expression(std::size_t start, std::int32_t stop1, std::int32_t stop2, const LintToken& head);
    std::size_t Declaration(std::size_t i);
    std::size_t Command(std::size_t i);
    // The number and kinds of a command's arguments, by its shape.
    void CheckShape(const LintToken& command, const LintArguments& args);
    static std::string Counted(std::size_t count);
    std::size_t NamedBy(std::size_t i, std::int32_t stop, const char* what);
    void Close(std::size_t i, std::int32_t opener);
    void Read(const LintToken& token);
    bool InLoop() const;
    static bool IsCommand(const LintToken& token);

    void Error(const LintToken& token, const std::string& message);
    void Warning(const LintToken& token, const std::string& message);

    const SourceScript& script;
    const std::string& file;
    const std::vector<LintToken>& tokens;
    const std::set<std::string>& globals;
    const LintDeclarations& declarations;
    Diagnostics& diagnostics;
    std::vector<Block> blocks;
    std::set<std::string> pendingAnswers;
    // Lines with a string literal that is not closed on them: what else
    // goes wrong there follows from it.
    std::set<int> unclosedLines;
};
