#pragma once

#include <string>
#include <utility>

// The outcome of reading a map file: whether it was accepted and, when it
// was not, one sentence saying why (which item is missing, how many bytes
// were expected).
struct MapFileResult {
    bool accepted = false;
    std::string reason;

    static MapFileResult Accepted() { return {true, std::string()}; }
    static MapFileResult Refused(std::string why) { return {false, std::move(why)}; }
};
