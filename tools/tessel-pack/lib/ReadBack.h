#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "lib/ScriptSource.h"
#include "lib/WorldFile.h"

// Reads what the packer is about to write back with the game's own readers
// and checks that the game gets what was meant: the proof that a file
// written with exit status 0 is one the game takes as packed. Each returns
// why the game would refuse or misread the file, or "" when it reads it as
// meant.
class ReadBack {
public:
    static std::string MapRefusal(const std::vector<std::uint8_t>& bytes);
    static std::string WorldRefusal(const WorldFile& meant);
    static std::string ContainerRefusal(const std::vector<SourceScript>& meant);
};
