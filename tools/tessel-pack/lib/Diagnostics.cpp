#include "lib/Diagnostics.h"

#include <ostream>

#include "shared/Printable.h"

void Diagnostics::Error(const std::string& file, int line, int column, const std::string& message)
{
    Add(Diagnostic::Level::Error, file, line, column, message);
}

void Diagnostics::Warning(const std::string& file, int line, int column, const std::string& message)
{
    Add(Diagnostic::Level::Warning, file, line, column, message);
}

void Diagnostics::Add(Diagnostic::Level level, const std::string& file, int line, int column,
                      const std::string& message)
{
    all.push_back({level, file, line, column, message});
    if (level == Diagnostic::Level::Error)
        ++errorCount;
}

void Diagnostics::PromoteWarnings()
{
    for (Diagnostic& diagnostic : all)
        diagnostic.level = Diagnostic::Level::Error;
    errorCount = all.size();
}

std::string Diagnostics::Format(const Diagnostic& diagnostic)
{
    std::string text = diagnostic.file;
    if (diagnostic.line > 0) {
        text += ":" + std::to_string(diagnostic.line);
        if (diagnostic.column > 0)
            text += ":" + std::to_string(diagnostic.column);
    }
    text += diagnostic.level == Diagnostic::Level::Error ? ": error: " : ": warning: ";
    return text + diagnostic.message;
}

void Diagnostics::Print(std::ostream& out) const
{
    // A name from a file may hold any byte: a control byte never reaches
    // the terminal as it is.
    for (const Diagnostic& diagnostic : all)
        out << Printable(Format(diagnostic)) << '\n';
}
