#pragma once

#include <cstddef>
#include <string>

// Why a JSON text broke where the parser stopped, when the text itself
// shows it: two values one after the other with nothing between them is
// almost always a forgotten comma.
class JsonBreak {
public:
    // " (missing comma?)" when the token that ends at `byte` (the parser's
    // 1-based count of bytes read) starts a value right after another value
    // ends, unless the parser (its message `parserMessage`) wanted a ':';
    // otherwise "".
    static std::string Hint(const std::string& text, std::size_t byte, const std::string& parserMessage);
};
