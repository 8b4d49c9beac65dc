#pragma once

#include <string>
#include <vector>

#include "lib/ScriptSource.h"

// The scripts of one source file, with the name messages give the file.
struct ScriptFile {
    std::string file;
    std::vector<SourceScript> scripts;
};
