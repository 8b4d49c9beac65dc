#pragma once

#include <cstddef>
#include <string>
#include <vector>

// French sets a space before '?', '!', ':', ';' and '»' and after '«'. The
// game's page layout breaks lines at spaces, which would leave such a sign
// alone at the start of a line (or '«' alone at the end of one); a
// no-break space (Windows-1252 0xA0, drawn blank) keeps it with its word.
class NoBreakSpaces {
public:
    static const char kNoBreakSpace = '\xA0';

    // Turns those spaces inside the string literals of a script's text
    // (Windows-1252) into no-break spaces; the code around the literals
    // (" ;" ends statements) and comments are left alone. The offsets
    // changed, in order.
    static std::vector<std::size_t> KeepPunctuationWithWords(std::string& scriptText);

    // Whether the space at `offset` of a literal's text is one to change.
    static bool BindsToNeighbour(const std::string& text, std::size_t offset, std::size_t literalEnd);
};
