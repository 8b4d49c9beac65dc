#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

// Where each value of a JSON text starts, by JSON pointer ("/scripts/1/file"),
// so that messages about a value can name its line and column. The text is
// expected to be valid JSON (the parser has accepted it already); a text that
// is not gives what could be found before the fault. A text nested deeper
// than kMaxDepth is not indexed at all: readers refuse it before parsing.
class JsonPositions {
public:
    // Far deeper than any world or Tiled file nests; deep enough text is an
    // attack on the reader's stack and memory, not a file of a game.
    static const std::size_t kMaxDepth = 256;

    explicit JsonPositions(const std::string& text);

    // Line and column (1-based, in characters) of the value at `pointer`, or
    // of the nearest enclosing value that is known; false when none is.
    bool Find(std::string pointer, int& line, int& column) const;

    // Pointers of keys given twice in one object (the parser keeps the
    // last value without a word), in text order.
    const std::vector<std::string>& Duplicates() const { return duplicates; }

    // Line and column of a byte offset of a text.
    static void LineColumn(const std::string& text, std::size_t offset, int& line, int& column);

    // Whether arrays and objects of `text` nest deeper than kMaxDepth; if
    // so, `offset` is where the first one too deep opens.
    static bool TooDeep(const std::string& text, std::size_t& offset);
    // TooDeep, with the place and the author's message when it is.
    static bool TooDeep(const std::string& text, int& line, int& column, std::string& message);

private:
    struct Place {
        int line = 0;
        int column = 0;
    };

    void Value(const std::string& pointer);
    void Skip();
    std::string String();
    // Lines and columns of every start, in one pass over the text.
    void PlaceStarts();

    const std::string& text;
    std::size_t position = 0;
    std::map<std::string, std::size_t> starts;
    std::map<std::size_t, Place> places;
    std::vector<std::string> duplicates;
};
