#pragma once

#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

// One finding about an author's sources, with the place it concerns.
struct Diagnostic {
    enum class Level { Warning, Error };
    Level level = Level::Error;
    std::string file;  // as the author named it (relative to the source folder)
    int line = 0;      // 1-based; 0 when the finding concerns the whole file
    int column = 0;    // 1-based; 0 when no column applies
    std::string message;
};

// Everything found while packing, in the order it was found. Packing goes on
// after an error where it can, so that the author sees every mistake at once.
class Diagnostics {
public:
    void Error(const std::string& file, int line, int column, const std::string& message);
    void Warning(const std::string& file, int line, int column, const std::string& message);

    bool HasErrors() const { return errorCount > 0; }
    std::size_t ErrorCount() const { return errorCount; }
    std::size_t WarningCount() const { return all.size() - errorCount; }
    const std::vector<Diagnostic>& All() const { return all; }

    // --werror: every warning found so far becomes an error.
    void PromoteWarnings();

    // One line each: "file:line:column: error: message" (line and column
    // left out when 0).
    void Print(std::ostream& out) const;
    static std::string Format(const Diagnostic& diagnostic);

private:
    void Add(Diagnostic::Level level, const std::string& file, int line, int column, const std::string& message);

    std::vector<Diagnostic> all;
    std::size_t errorCount = 0;
};
