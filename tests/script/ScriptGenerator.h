#pragma once

#include <cstdint>
#include <initializer_list>
#include <random>
#include <string>
#include <vector>

// Random scripts for the differential test of the interpreter: loops, nested
// ifs, gotos into and out of blocks, breaks and continues, declarations
// inside loops, locals that shadow globals, strings and numbers mixed,
// `bloque`, world commands. About a third are then damaged (tokens dropped,
// replaced or added, or the text cut short) so that malformed scripts are
// covered too.
//
// Scripts may well loop for ever (a `continue` back to a finished loop, a
// `goto` backwards): the runner bounds them with the engine's statement
// limit.
class ScriptGenerator {
public:
    explicit ScriptGenerator(std::uint32_t seed) : random(seed) {}

    std::string Generate();

private:
    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }
    bool Chance(int percent) { return Pick(100) < percent; }
    const char* PickOf(const std::vector<const char*>& choices) { return choices[Pick(static_cast<int>(choices.size()))]; }

    void Emit(const std::string& text) { tokens.push_back(text); }
    void Emit(std::initializer_list<std::string> texts) { tokens.insert(tokens.end(), texts); }
    void Block(int depth, int statements);
    void Statement(int depth);
    void Loop(int depth, bool isFor);
    void Number(int depth);
    void Text();
    void Condition();
    std::string Name();
    void Damage();

    std::mt19937 random;
    std::vector<std::string> tokens;
    int loopDepth = 0;
    int counters = 0;
};
