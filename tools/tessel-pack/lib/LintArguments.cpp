#include "lib/LintArguments.h"

#include "script/ScriptTables.h"

LintArguments LintArguments::Read(const std::vector<LintToken>& tokens, std::size_t start)
{
    LintArguments args;
    Range current{start, start};
    std::size_t i = start;
    for (; i < tokens.size(); ++i) {
        const LintToken& token = tokens[i];
        if (token.type == TokKeyword) {
            break;
        }
        if (token.Is(OpComma) || token.Is(OpSemicolon)) {
            current.end = i;
            if (current.end > current.begin)
                args.ranges.push_back(current);
            current = Range{i + 1, i + 1};
            if (token.Is(OpSemicolon)) {
                args.terminated = true;
                args.next = i + 1;
                return args;
            }
        }
    }
    current.end = i;
    if (current.end > current.begin)
        args.ranges.push_back(current);
    args.stoppedAt = i;
    args.next = i;
    return args;
}
