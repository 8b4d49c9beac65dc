#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// A script run in progress as a save holds it: which script, where its
// program counter stands and its local variables in creation order. The
// tokens are not saved; they come from the world's compiled script of that
// identifier when the save is loaded.
struct SavedRun {
    std::uint16_t script = 0;
    std::int32_t programCounter = 0;
    std::vector<std::pair<std::string, std::int32_t>> ints;
    std::vector<std::pair<std::string, float>> floats;
    std::vector<std::pair<std::string, std::string>> strings;
};
