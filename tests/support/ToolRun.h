#pragma once

#include <string>

#include "support/TempDir.h"

// What an authoring tool did when run from a test: its exit status and what
// it wrote to standard output and standard error.
struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;

    // Runs the tool `name` of the build (tessel-map, ...) through the shell,
    // with `arguments` already quoted, in the folder `dir`, which also keeps
    // the captured output.
    static ToolRun Of(const std::string& name, const std::string& arguments, const TempDir& dir);
};
