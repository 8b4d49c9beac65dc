#include "lib/ScriptLinter.h"

#include <algorithm>
#include <cctype>

#include "lib/Cp1252.h"
#include "lib/LintArguments.h"
#include "lib/LintLexer.h"
#include "lib/ScriptVocabulary.h"
#include "script/ScriptTables.h"

namespace {

std::string Quoted(const std::string& word)
{
    return "'" + word + "'";
}

std::string TextOf(std::int32_t id)
{
    return ScriptTables::Get().TextOf(id);
}

} // namespace

void ScriptLinter::LintWorld(const std::vector<ScriptFile>& files, Diagnostics& diagnostics)
{
    struct Lexed {
        const SourceScript* script;
        const std::string* file;
        std::vector<LintToken> tokens;
        LintDeclarations declarations;
    };
    std::vector<Lexed> all;
    std::set<std::string> globals;
    for (const ScriptFile& file : files) {
        for (const SourceScript& script : file.scripts) {
            Lexed lexed{&script, &file.file, LintLexer(script, file.file, diagnostics).Tokens(), {}};
            lexed.declarations.Collect(lexed.tokens, globals);
            all.push_back(std::move(lexed));
        }
    }
    for (const Lexed& lexed : all)
        ScriptLinter(*lexed.script, *lexed.file, lexed.tokens, globals, lexed.declarations, diagnostics).Run();
}

bool ScriptLinter::AnyScriptCalls(const std::vector<ScriptFile>& files, const std::string& command)
{
    Diagnostics ignored;
    for (const ScriptFile& file : files) {
        for (const SourceScript& script : file.scripts) {
            const std::vector<LintToken> tokens = LintLexer(script, file.file, ignored).Tokens();
            for (std::size_t i = 0; i < tokens.size(); ++i)
                if (tokens[i].type == TokWord && tokens[i].text == command &&
                    (i == 0 || tokens[i - 1].type == TokKeyword || tokens[i - 1].Is(OpSemicolon)))
                    return true;
        }
    }
    return false;
}

ScriptLinter::ScriptLinter(const SourceScript& script, const std::string& file, const std::vector<LintToken>& tokens,
                           const std::set<std::string>& globals, const LintDeclarations& declarations,
                           Diagnostics& diagnostics)
    : script(script), file(file), tokens(tokens), globals(globals), declarations(declarations),
      diagnostics(diagnostics)
{
    for (const LintToken& token : tokens)
        if (token.unclosed) {
            int line = 0, column = 0;
            script.PositionOf(token.offset, line, column);
            unclosedLines.insert(line);
        }
}

void ScriptLinter::Run()
{
    std::size_t i = 0;
    while (i < tokens.size())
        i = Statement(i);
    for (const Block& block : blocks) {
        const std::int32_t closer = block.keyword == KwIf ? KwEndif : block.keyword == KwWhile ? KwEndwhile : KwNext;
        Error(tokens[block.token], Quoted(TextOf(block.keyword)) + " without " + Quoted(TextOf(closer)));
    }
}

std::size_t ScriptLinter::Statement(std::size_t i)
{
    const LintToken& token = tokens[i];
    if (token.type == TokKeyword)
        return Keyword(i);
    if (token.type == TokWord)
        return Word(i);
    if (!token.Is(OpSemicolon))
        Warning(token, Quoted(token.text) + " starts no statement and is passed over");
    return i + 1;
}

std::size_t ScriptLinter::Keyword(std::size_t i)
{
    const LintToken& token = tokens[i];
    switch (token.id) {
    case KwIf:
        blocks.push_back({KwIf, i});
        return Condition(i + 1, KwThen, token);
    case KwWhile:
        blocks.push_back({KwWhile, i});
        return Condition(i + 1, KwDo, token);
    case KwFor: {
        std::size_t next = NamedBy(i + 1, KwTo, "the loop variable");
        next = Expression(next, KwStep, KwDo, token);
        if (next > 0 && next <= tokens.size() && tokens[next - 1].Is(KwStep))
            next = Expression(next, KwDo, kNoTerminator, token);
        blocks.push_back({KwFor, i});
        return next;
    }
    case KwElse:
        if (blocks.empty() || blocks.back().keyword != KwIf)
            Error(token, "'else' outside an 'if'");
        return i + 1;
    case KwEndif:
        Close(i, KwIf);
        return i + 1;
    case KwEndwhile:
        Close(i, KwWhile);
        return i + 1;
    case KwNext:
        Close(i, KwFor);
        return i + 1;
    case KwBreak:
        if (!InLoop())
            Error(token, "'break' outside a loop ends the script");
        return Expression(i + 1, OpSemicolon, kNoTerminator, token);
    case KwContinue:
        if (!InLoop())
            Error(token, "'continue' outside a loop");
        return i + 1;
    case KwBloque:
        pendingAnswers.clear();
        return i + 1;
    case KwInt:
    case KwFloat:
    case KwString:
        return Declaration(i);
    case KwLabel:
        return NamedBy(i + 1, OpColon, "the label");
    case KwGoto: {
        const std::size_t next = NamedBy(i + 1, OpSemicolon, "the label");
        if (i + 1 < tokens.size() && tokens[i + 1].type == TokStringLiteral &&
            !declarations.labels.count(tokens[i + 1].text))
            Error(tokens[i + 1], "'goto' to the label \"" + tokens[i + 1].text +
                                     "\" that this script does not have (the script would end here)");
        return next;
    }
    case KwThen:
    case KwDo:
    case KwTo:
    case KwStep:
        Warning(token, Quoted(token.text) + " where no statement needs it");
        return i + 1;
    default:  // stop
        return i + 1;
    }
}

std::size_t ScriptLinter::Word(std::size_t i)
{
    const LintToken& token = tokens[i];
    const std::string& word = token.text;
    if (declarations.locals.count(word) || ScriptVocabulary::IsPreset(word)) {
        if (i + 1 >= tokens.size() || !tokens[i + 1].Is(OpAssign))
            Error(token, "the variable " + Quoted(word) + " starts a statement but no '=' follows it");
        return Expression(i + 2, OpSemicolon, kNoTerminator, token);
    }
    if (ScriptVocabulary::IsBuiltIn(word) || ScriptVocabulary::IsWorldCommand(word))
        return Command(i);
    if (LintLexer::HasGluedOperator(word)) {
        // Already reported as glued operators.
    } else if (i + 1 < tokens.size() && tokens[i + 1].Is(OpAssign)) {
        Error(token, Quoted(word) + " is not declared, so this is no assignment (declare it with int, float or string)");
    } else {
        std::string lower = word;
        std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
        const bool keyword = ScriptTables::Get().KeywordId(lower) != 0;
        Error(token, "unknown command " + Quoted(word) + (keyword ? " (keywords are lower case: '" + lower + "')" : "") +
                         "; the game would pass over it silently");
    }
    return LintArguments::Read(tokens, i + 1).next;
}

std::size_t ScriptLinter::Command(std::size_t i)
{
    const LintToken& command = tokens[i];
    if (command.text == "ListeVariables")
        return i + 1;
    const LintArguments args = LintArguments::Read(tokens, i + 1);
    if (!args.terminated)
        Error(args.stoppedAt < tokens.size() && !tokens[args.stoppedAt].synthetic ? tokens[args.stoppedAt] : command,
              "missing ';' after the arguments of " + Quoted(command.text));
    if (args.terminated)
        CheckShape(command, args);
    const int result = ScriptVocabulary::ResultArgument(command.text);
    const int global = ScriptVocabulary::GlobalArgument(command.text);
    for (std::size_t a = 0; a < args.ranges.size(); ++a) {
        const LintArguments::Range& range = args.ranges[a];
        const LintToken& first = tokens[range.begin];
        const bool names = static_cast<int>(a) == result || static_cast<int>(a) == global;
        if (names && !(range.IsSingle() && first.type == TokStringLiteral)) {
            Error(first, "the variable that " + Quoted(command.text) +
                             " writes is named by a string literal, such as \"" + first.text + "\"");
            continue;
        }
        if (command.text == "Input" && a == 4) {
            if (!(range.IsSingle() && first.type == TokStringLiteral && ScriptVocabulary::IsInputType(first.text)))
                Warning(first, "the type of 'Input' is one of the strings \"Entier\", \"R\xE9" "el\", \"Mot\", "
                               "\"Mots\", \"Fichier\"; anything else accepts any text");
            continue;
        }
        for (std::size_t t = range.begin; t < range.end; ++t)
            if (tokens[t].type == TokWord)
                Read(tokens[t]);
    }
    if (ScriptVocabulary::AnswersLater(command.text) && result >= 0 &&
        static_cast<std::size_t>(result) < args.ranges.size() && args.ranges[result].IsSingle())
        pendingAnswers.insert(tokens[args.ranges[result].begin].text);
    return args.next;
}

void ScriptLinter::CheckShape(const LintToken& command, const LintArguments& args)
{
    const CommandShape* shape = ScriptVocabulary::Shape(command.text);
    if (shape == nullptr)
        return;
    const std::size_t count = args.ranges.size();
    const std::size_t most = shape->MaxCount();
    const std::string usage = " (" + shape->Usage() + ")";
    if (count < shape->required) {
        Error(command, Quoted(command.text) + " takes " + (most == shape->required ? "" : "at least ") +
                           Counted(shape->required) + usage + ", not " + std::to_string(count) +
                           "; the game reads the missing ones as 0 or an empty text");
    } else if (!shape->repeatsLast && count > most) {
        Error(tokens[args.ranges[most].begin],
              Quoted(command.text) + " takes " + (most == shape->required ? "" : "at most ") + Counted(most) + usage +
                  ", not " + std::to_string(count) + "; the game passes over this one and any after it");
    }
    for (std::size_t a = 0; a < count; ++a) {
        const LintToken& first = tokens[args.ranges[a].begin];
        const CommandShape::Kind kind = shape->KindAt(a);
        const bool text = first.type == TokStringLiteral;
        const bool number = first.type == TokIntLiteral || first.type == TokFloatLiteral ||
                            (first.type == TokWord && ScriptVocabulary::IsNumericName(first.text));
        const std::string role = a < shape->arguments.size() ? shape->arguments[a].role : shape->arguments.back().role;
        const std::string which = "argument " + std::to_string(a + 1) + " of " + Quoted(command.text) + " (" + role + ")";
        if (kind == CommandShape::Kind::Number && text)
            Error(first, which + " is a number; the text \"" + first.text + "\" reads as 0");
        else if (kind == CommandShape::Kind::Text && number)
            Error(first, which + " is a text; the number " + first.text +
                             " gives an empty text (write it in quotes)");
    }
}

std::string ScriptLinter::Counted(std::size_t count)
{
    return std::to_string(count) + (count == 1 ? " argument" : " arguments");
}

std::size_t ScriptLinter::Declaration(std::size_t i)
{
    const LintToken& keyword = tokens[i];
    if (i + 1 >= tokens.size() || !(tokens[i + 1].type == TokWord || tokens[i + 1].type == TokStringLiteral)) {
        Error(keyword, Quoted(keyword.text) + " needs the name of the variable it declares");
        return i + 1;
    }
    if (i + 2 >= tokens.size()) {
        Error(keyword, "missing ';' after the declaration");
        return i + 2;
    }
    const LintToken& after = tokens[i + 2];
    if (after.Is(OpAssign))
        return Expression(i + 3, OpSemicolon, kNoTerminator, keyword);
    if (after.Is(OpSemicolon))
        return i + 3;
    if (after.Is(OpComma))
        return LintArguments::Read(tokens, i + 3).next;
    Error(after, "expected '=', ',' or ';' after the declared name, not " + Quoted(after.text) +
                     " (nothing is declared)");
    return i + 2;
}

std::size_t ScriptLinter::NamedBy(std::size_t i, std::int32_t stop, const char* what)
{
    if (i < tokens.size() && tokens[i].type != TokStringLiteral && !tokens[i].Is(stop))
        Error(tokens[i], std::string("the name of ") + what + " is a string literal: write \"" + tokens[i].text +
                             "\" with quotes");
    for (; i < tokens.size(); ++i) {
        if (tokens[i].Is(stop))
            return i + 1;
        if (tokens[i].type == TokKeyword) {
            Error(tokens[i], "missing " + Quoted(TextOf(stop)) + " before " + Quoted(tokens[i].text));
            return i;
        }
    }
    Error(tokens.back(), "missing " + Quoted(TextOf(stop)) + " at the end of the script");
    return i;
}

std::size_t ScriptLinter::Condition(std::size_t start, std::int32_t end, const LintToken& head)
{
    bool comparison = false;
    bool assignment = false;
    const bool strings = start < tokens.size() && tokens[start].type == TokStringLiteral;
    for (std::size_t i = start; i < tokens.size(); ++i) {
        const LintToken& token = tokens[i];
        if (token.Is(end)) {
            if (!comparison)
                Error(head, "the condition of " + Quoted(head.text) + " has no comparison (== != >= > <= <)" +
                                (assignment ? "; '=' assigns, '==' compares" : ""));
            return i + 1;
        }
        if (token.type == TokKeyword || IsCommand(token)) {
            Error(token, "missing " + Quoted(TextOf(end)) + " before " + Quoted(token.text));
            return i;
        }
        if (ScriptTables::IsComparisonId(token.id) && token.type == TokOperator) {
            if (strings && !comparison && !token.Is(OpEqual) && !token.Is(OpNotEqual))
                Error(token, "strings compare only with == and !=");
            comparison = true;
        }
        assignment = assignment || token.Is(OpAssign);
        if (token.type == TokWord)
            Read(token);
    }
    Error(head, Quoted(head.text) + " without " + Quoted(TextOf(end)));
    return tokens.size();
}

std::size_t ScriptLinter::Expression(std::size_t start, std::int32_t stop1, std::int32_t stop2, const LintToken& head)
{
    for (std::size_t i = start; i < tokens.size(); ++i) {
        const LintToken& token = tokens[i];
        if (token.Is(stop1) || (stop2 != kNoTerminator && token.Is(stop2)))
            return i + 1;
        if (token.type == TokKeyword || IsCommand(token)) {
            Error(token, "missing " + Quoted(TextOf(stop1)) + " before " + Quoted(token.text));
            return i;
        }
        if (token.type == TokWord)
            Read(token);
    }
    Error(head, "missing " + Quoted(TextOf(stop1)) + " after " + Quoted(head.text) + ": the script ends first");
    return tokens.size();
}

void ScriptLinter::Close(std::size_t i, std::int32_t opener)
{
    if (blocks.empty() || blocks.back().keyword != opener) {
        Error(tokens[i], Quoted(tokens[i].text) + " without " + Quoted(TextOf(opener)));
        return;
    }
    blocks.pop_back();
}

bool ScriptLinter::IsCommand(const LintToken& token)
{
    return token.type == TokWord &&
           (ScriptVocabulary::IsBuiltIn(token.text) || ScriptVocabulary::IsWorldCommand(token.text));
}

bool ScriptLinter::InLoop() const
{
    return std::any_of(blocks.begin(), blocks.end(),
                       [](const Block& b) { return b.keyword == KwWhile || b.keyword == KwFor; });
}

void ScriptLinter::Read(const LintToken& token)
{
    const std::string& name = token.text;
    if (IsCommand(token)) {
        Error(token, "missing ';' before the command " + Quoted(name));
        return;
    }
    if (pendingAnswers.count(name)) {
        Warning(token, Quoted(name) + " is read before 'bloque': a world command stores its result (the "
                                      "player's answer) only once the game has carried it out, so wait with "
                                      "'bloque' first");
        pendingAnswers.erase(name);
    }
    if (LintLexer::HasGluedOperator(name) || declarations.locals.count(name) || ScriptVocabulary::IsPreset(name) ||
        ScriptVocabulary::IsPredefinedGlobal(name) || globals.count(name))
        return;
    Error(token, Quoted(name) + " is no variable: no declaration, loop, result or global gives it (it reads as 0)");
}

void ScriptLinter::Error(const LintToken& token, const std::string& message)
{
    int line = 0, column = 0;
    script.PositionOf(token.offset, line, column);
    if (unclosedLines.count(line))
        return;  // the unclosed string literal there is the one finding
    diagnostics.Error(file, line, column, Cp1252::ToUtf8(message));
}

void ScriptLinter::Warning(const LintToken& token, const std::string& message)
{
    int line = 0, column = 0;
    script.PositionOf(token.offset, line, column);
    if (unclosedLines.count(line))
        return;  // the unclosed string literal there is the one finding
    diagnostics.Warning(file, line, column, Cp1252::ToUtf8(message));
}
