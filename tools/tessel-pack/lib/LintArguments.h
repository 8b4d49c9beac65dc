#pragma once

#include <cstddef>
#include <vector>

#include "lib/LintToken.h"

// The arguments of a command statement: token ranges split at "," up to the
// ";" that ends the statement.
struct LintArguments {
    struct Range {
        std::size_t begin = 0;
        std::size_t end = 0;  // one past the last token
        bool IsSingle() const { return end == begin + 1; }
    };
    std::vector<Range> ranges;
    std::size_t next = 0;       // the token after the statement
    bool terminated = false;    // the ";" was found
    std::size_t stoppedAt = 0;  // where a keyword or the end stopped it

    // Reads from `start` (the token after the command word). A keyword
    // stops the list: a ";" is surely missing before it.
    static LintArguments Read(const std::vector<LintToken>& tokens, std::size_t start);
};
