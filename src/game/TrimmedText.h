#pragma once

#include <string>

// A line of a hand-written settings file without the spaces, tabs and
// carriage return around it.
inline std::string TrimmedText(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return "";
    const std::size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}
