#pragma once

#include <set>
#include <string>
#include <vector>

#include "lib/LintToken.h"

// The names a script makes for itself anywhere in its text: local variables
// (declarations, loop variables, variables that commands store results in)
// and labels; and the global variables it sets for every script.
struct LintDeclarations {
    std::set<std::string> locals;
    std::set<std::string> labels;

    // Adds what `tokens` declare; global names go to `globals`.
    void Collect(const std::vector<LintToken>& tokens, std::set<std::string>& globals);
};
