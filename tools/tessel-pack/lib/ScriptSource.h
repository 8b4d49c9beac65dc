#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "lib/Diagnostics.h"

// One script of a source file: its text already in Windows-1252 and where
// that text starts in the source, so that findings in it can name the line
// and column the author sees.
struct SourceScript {
    std::uint16_t id = 0;
    std::string name;       // for the author only; not packed
    std::string text;       // Windows-1252, one byte per character
    int firstLine = 1;      // source line of the text's first byte
    int headerLine = 1;     // line of the "@script" line

    // Line and column (1-based, in characters) of a byte of `text`.
    void PositionOf(std::size_t offset, int& line, int& column) const;
};

// A script source: UTF-8 text in which a line "@script ID [name]" starts the
// next script; everything up to the next such line is its text.
class ScriptSource {
public:
    // `file` names the source in messages. Errors: a bad "@script" line,
    // text before the first one, bytes that are not UTF-8, characters that
    // Windows-1252 lacks (each at its line and column).
    static std::vector<SourceScript> Parse(const std::string& utf8, const std::string& file,
                                           Diagnostics& diagnostics);

    // Whether a script's text has a line that Parse would take for an
    // "@script" line.
    static bool HasHeaderLine(const std::string& text);

    // The source text of a container's scripts (the inverse of Parse).
    static std::string Write(const std::vector<SourceScript>& scripts);

    // The container file: per script its id (u16, little-endian), its text
    // and a 0 byte.
    static std::vector<std::uint8_t> Container(const std::vector<SourceScript>& scripts);
};
