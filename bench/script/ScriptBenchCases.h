#pragma once

#include <string>
#include <vector>

// One program written twice: in the engine's script language and in Lua 5.4.
struct BenchCase {
    std::string name;
    std::string script;
    std::string lua;
};

// The measured programs: three plain loops and three that look like game
// scripts (a dialogue tree over globals, a shop over numbered items, a flood
// fill over a 20 x 15 grid kept in globals).
std::vector<BenchCase> ScriptBenchCases();
