#include "lib/LintDeclarations.h"

#include "lib/LintArguments.h"
#include "lib/ScriptVocabulary.h"
#include "script/ScriptTables.h"

namespace {

bool NamesSomething(const LintToken& token)
{
    return token.type == TokWord || token.type == TokStringLiteral;
}

// The name an argument gives when it is one string literal.
bool LiteralArgument(const std::vector<LintToken>& tokens, const LintArguments& args, int index, std::string& name)
{
    if (index < 0 || static_cast<std::size_t>(index) >= args.ranges.size())
        return false;
    const LintArguments::Range& range = args.ranges[index];
    if (!range.IsSingle() || tokens[range.begin].type != TokStringLiteral)
        return false;
    name = tokens[range.begin].text;
    return true;
}

} // namespace

void LintDeclarations::Collect(const std::vector<LintToken>& tokens, std::set<std::string>& globals)
{
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const LintToken& token = tokens[i];
        const bool declaration = token.Is(KwInt) || token.Is(KwFloat) || token.Is(KwString);
        if (declaration && i + 1 < tokens.size() && NamesSomething(tokens[i + 1])) {
            locals.insert(tokens[i + 1].text);
            // int a , b , c ;
            if (i + 2 < tokens.size() && tokens[i + 2].Is(OpComma))
                for (std::size_t j = i + 3; j < tokens.size() && !tokens[j].Is(OpSemicolon) &&
                                            tokens[j].type != TokKeyword; ++j)
                    if (NamesSomething(tokens[j]))
                        locals.insert(tokens[j].text);
        } else if (token.Is(KwFor) && i + 1 < tokens.size() && tokens[i + 1].type == TokStringLiteral) {
            locals.insert(tokens[i + 1].text);
        } else if (token.Is(KwLabel) && i + 1 < tokens.size() && tokens[i + 1].type == TokStringLiteral) {
            labels.insert(tokens[i + 1].text);
        } else if (token.type == TokWord) {
            const int result = ScriptVocabulary::ResultArgument(token.text);
            const int global = ScriptVocabulary::GlobalArgument(token.text);
            if (result < 0 && global < 0)
                continue;
            const LintArguments args = LintArguments::Read(tokens, i + 1);
            std::string name;
            if (LiteralArgument(tokens, args, result, name))
                locals.insert(name);
            if (LiteralArgument(tokens, args, global, name))
                globals.insert(name);
        }
    }
}
