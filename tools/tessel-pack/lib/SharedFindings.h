#pragma once

#include <string>
#include <vector>

#include "lib/Diagnostics.h"

// Findings about files that several maps share (a tileset, its picture):
// each is reported once, after all maps, with the maps that use the file,
// rather than once per map.
class SharedFindings {
public:
    // Passes the findings about `map` itself on to `out` at once and keeps
    // those about other files.
    void Take(const std::string& map, const Diagnostics& found, Diagnostics& out);
    // Reports each kept finding once, naming the maps it came from.
    void Flush(Diagnostics& out);

private:
    struct Shared {
        Diagnostic finding;
        std::vector<std::string> maps;
    };

    static void Report(const Diagnostic& finding, const std::string& message, Diagnostics& out);

    std::vector<Shared> kept;
};
