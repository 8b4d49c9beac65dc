#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

// Where each value of a JSON text starts, by JSON pointer ("/scripts/1/file"),
// so that messages about a value can name its line and column. The text is
// expected to be valid JSON (the parser has accepted it already); a text that
// is not gives what could be found before the fault.
class JsonPositions {
public:
    explicit JsonPositions(const std::string& text);

    // Line and column (1-based, in characters) of the value at `pointer`, or
    // of the nearest enclosing value that is known; false when none is.
    bool Find(std::string pointer, int& line, int& column) const;

    // Pointers of keys given twice in one object (the parser keeps the
    // last value without a word), in text order.
    const std::vector<std::string>& Duplicates() const { return duplicates; }

    // Line and column of a byte offset of a text.
    static void LineColumn(const std::string& text, std::size_t offset, int& line, int& column);

private:
    void Value(const std::string& pointer);
    void Skip();
    std::string String();

    const std::string& text;
    std::size_t position = 0;
    std::map<std::string, std::size_t> starts;
    std::vector<std::string> duplicates;
};
