#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "lib/Diagnostics.h"

// A folder written as a whole or not at all: files go to a temporary folder
// beside the target, which replaces the target only on Commit. Dropped
// without Commit, the temporary folder is removed and the target is left as
// it was.
class OutputFolder {
public:
    // `keepMarker` is a file or folder whose presence shows that an
    // existing target was made by this tool ("wor" for a game, "world.json"
    // for sources); any other non-empty target is refused, not replaced.
    OutputFolder(std::string target, std::string keepMarker);
    ~OutputFolder();
    OutputFolder(const OutputFolder&) = delete;
    OutputFolder& operator=(const OutputFolder&) = delete;

    bool Open(Diagnostics& diagnostics);
    // `relative` uses '/'; parent folders are made.
    bool Write(const std::string& relative, const std::vector<std::uint8_t>& bytes, Diagnostics& diagnostics);
    bool Commit(Diagnostics& diagnostics);

    // The temporary folder, for writers that make their own files.
    const std::string& Path() const { return temporary; }

private:
    bool TargetMayBeReplaced(Diagnostics& diagnostics) const;

    std::string target;
    std::string keepMarker;
    std::string temporary;
    bool committed = false;
};
