#pragma once

#include <set>
#include <string>

#include "lib/Diagnostics.h"
#include "lib/TiledProperties.h"

// Reads the values of Tiled properties and names as the map file needs
// them, reporting what does not fit at the property's line (or, where the
// source has no lines, at its owner's).
class TiledPropertyCheck {
public:
    explicit TiledPropertyCheck(Diagnostics& diagnostics) : diagnostics(diagnostics) {}

    // A whole number within [min, max]; an error otherwise.
    bool Number(const TiledProperty& property, const std::string& file, int ownerLine, const std::string& owner,
                long long min, long long max, long long& value);
    // UTF-8 text as Windows-1252; an error naming the first character that
    // has no byte there.
    bool Text(const std::string& utf8, const std::string& what, const std::string& file, int line,
              std::string& cp1252);
    // A warning for each property whose name is not in `known`.
    void WarnUnknown(const TiledProperties& properties, const std::set<std::string>& known, const std::string& file,
                     int ownerLine, const std::string& owner);

private:
    Diagnostics& diagnostics;
};
