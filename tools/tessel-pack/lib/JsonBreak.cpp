#include "lib/JsonBreak.h"

#include <cctype>

namespace {

bool IsWordCharacter(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-' || c == '+';
}

// The start of the token whose last byte is at `last`: a string, a number
// or a literal word, or a bracket.
std::size_t TokenStart(const std::string& text, std::size_t last)
{
    if (text[last] == '"') {
        std::size_t i = last;
        while (i > 0) {
            --i;
            std::size_t backslashes = 0;
            while (i >= backslashes + 1 && text[i - backslashes - 1] == '\\')
                ++backslashes;
            if (text[i] == '"' && backslashes % 2 == 0)
                return i;
        }
        return last;
    }
    std::size_t i = last;
    if (IsWordCharacter(text[i]))
        while (i > 0 && IsWordCharacter(text[i - 1]))
            --i;
    return i;
}

bool StartsValue(char c)
{
    return c == '"' || c == '{' || c == '[' || c == '-' || std::isdigit(static_cast<unsigned char>(c)) || c == 't' ||
           c == 'f' || c == 'n';
}

bool EndsValue(char c)
{
    // A string, a number, an object, a list, true, false or null.
    return c == '"' || c == '}' || c == ']' || std::isdigit(static_cast<unsigned char>(c)) || c == 'e' || c == 'l';
}

} // namespace

std::string JsonBreak::Hint(const std::string& text, std::size_t byte, const std::string& parserMessage)
{
    // A key and its value with nothing between them lack a colon instead.
    if (byte == 0 || byte > text.size() || parserMessage.find("expected ':'") != std::string::npos)
        return "";
    const std::size_t start = TokenStart(text, byte - 1);
    if (!StartsValue(text[start]))
        return "";
    std::size_t before = start;
    while (before > 0 && std::isspace(static_cast<unsigned char>(text[before - 1])))
        --before;
    return before > 0 && EndsValue(text[before - 1]) ? " (missing comma?)" : "";
}
