#include "lib/NoBreakSpaces.h"

namespace {

const char kOpeningQuote = '\xAB';  // «
const char kClosingQuote = '\xBB';  // »

bool SpaceGoesBefore(char c)
{
    return c == '?' || c == '!' || c == ':' || c == ';' || c == kClosingQuote;
}

} // namespace

bool NoBreakSpaces::BindsToNeighbour(const std::string& text, std::size_t offset, std::size_t literalEnd)
{
    if (text[offset] != ' ')
        return false;
    if (offset + 1 < literalEnd && SpaceGoesBefore(text[offset + 1]))
        return true;
    return offset > 0 && text[offset - 1] == kOpeningQuote;
}

std::vector<std::size_t> NoBreakSpaces::KeepPunctuationWithWords(std::string& text)
{
    // Literals and comments are found as the game's lexer finds them: '//'
    // outside a literal runs to the end of the line; a literal runs from
    // '"' to the next '"' that no backslash escapes.
    std::vector<std::size_t> changed;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '/' && i + 1 < text.size() && text[i + 1] == '/') {
            while (i < text.size() && text[i] != '\n')
                ++i;
            continue;
        }
        if (text[i] != '"') {
            ++i;
            continue;
        }
        const std::size_t start = ++i;
        std::size_t end = start;
        while (end < text.size() && text[end] != '"') {
            const bool escape = text[end] == '\\' && end + 1 < text.size() &&
                                (text[end + 1] == '"' || text[end + 1] == '\\' || text[end + 1] == 'n');
            end += escape ? 2 : 1;
        }
        // Decided on the text as written, before any change: "« ?" keeps
        // both of its spaces' reasons.
        std::vector<std::size_t> here;
        for (std::size_t at = start; at < end; ++at)
            if (BindsToNeighbour(text, at, end))
                here.push_back(at);
        for (std::size_t at : here) {
            text[at] = kNoBreakSpace;
            changed.push_back(at);
        }
        i = end + 1;
    }
    return changed;
}
