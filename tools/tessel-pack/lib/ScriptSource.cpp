#include "lib/ScriptSource.h"

#include <cstdio>

#include "lib/Cp1252.h"

namespace {

const std::string kHeader = "@script";

bool IsHeader(const std::string& line)
{
    return line.compare(0, kHeader.size(), kHeader) == 0 &&
           (line.size() == kHeader.size() || line[kHeader.size()] == ' ' || line[kHeader.size()] == '\t' ||
            line[kHeader.size()] == '\r' || line[kHeader.size()] == '\n');
}

bool IsBlank(const std::string& line)
{
    return line.find_first_not_of(" \t\r\n") == std::string::npos;
}

std::string CharacterName(char32_t c)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(c));
    return buffer;
}

// Column (1-based, in characters) of a byte of a UTF-8 line.
int ColumnOf(const std::string& line, std::size_t offset)
{
    int column = 1;
    for (std::size_t i = 0; i < offset && i < line.size(); ++i)
        if ((static_cast<unsigned char>(line[i]) & 0xC0) != 0x80)
            ++column;
    return column;
}

void ReadHeader(const std::string& line, int lineNumber, const std::string& file, SourceScript& script,
                Diagnostics& diagnostics)
{
    std::size_t position = line.find_first_not_of(" \t", kHeader.size());
    std::size_t end = line.find_first_of(" \t\r\n", position);
    if (end == std::string::npos)
        end = line.size();
    const std::string number = position == std::string::npos ? "" : line.substr(position, end - position);
    unsigned long id = 0;
    bool digits = !number.empty() && number.size() <= 6;
    for (char c : number)
        digits = digits && c >= '0' && c <= '9';
    if (digits)
        id = std::stoul(number);
    if (!digits || id < 1 || id > 65535) {
        diagnostics.Error(file, lineNumber, number.empty() ? static_cast<int>(kHeader.size()) + 1 : ColumnOf(line, position),
                          "\"@script\" needs a script identifier from 1 to 65535" +
                              (number.empty() ? std::string() : ", not \"" + number + "\""));
        return;
    }
    script.id = static_cast<std::uint16_t>(id);
    const std::size_t nameStart = line.find_first_not_of(" \t\r\n", end);
    if (nameStart != std::string::npos) {
        const std::size_t nameEnd = line.find_last_not_of(" \t\r\n");
        script.name = line.substr(nameStart, nameEnd + 1 - nameStart);
    }
}

// Converts one line of script text to Windows-1252, reporting what cannot be.
void AppendLine(const std::string& line, int lineNumber, const std::string& file, std::string& out,
                Diagnostics& diagnostics)
{
    std::size_t position = 0;
    while (position < line.size()) {
        const std::size_t start = position;
        char32_t c = 0;
        unsigned char byte = 0;
        if (!Cp1252::DecodeUtf8(line, position, c)) {
            diagnostics.Error(file, lineNumber, ColumnOf(line, start), "the file is not UTF-8 text here");
        } else if (c == 0) {
            diagnostics.Error(file, lineNumber, ColumnOf(line, start), "a 0 character would end the script here");
        } else if (!Cp1252::FromUnicode(c, byte)) {
            std::string shown;
            Cp1252::AppendUtf8(shown, c);
            diagnostics.Error(file, lineNumber, ColumnOf(line, start),
                              "character '" + shown + "' (" + CharacterName(c) + ") has no Windows-1252 byte");
        } else {
            out += static_cast<char>(byte);
        }
    }
}

} // namespace

void SourceScript::PositionOf(std::size_t offset, int& line, int& column) const
{
    line = firstLine;
    column = 1;
    for (std::size_t i = 0; i < offset && i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
}

std::vector<SourceScript> ScriptSource::Parse(const std::string& utf8, const std::string& file,
                                              Diagnostics& diagnostics)
{
    std::vector<SourceScript> scripts;
    std::size_t position = utf8.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    int lineNumber = 0;
    bool reportedStray = false;
    while (position < utf8.size()) {
        std::size_t end = utf8.find('\n', position);
        end = end == std::string::npos ? utf8.size() : end + 1;
        const std::string line = utf8.substr(position, end - position);
        position = end;
        ++lineNumber;
        if (IsHeader(line)) {
            SourceScript script;
            script.headerLine = lineNumber;
            script.firstLine = lineNumber + 1;
            ReadHeader(line, lineNumber, file, script, diagnostics);
            scripts.push_back(script);
        } else if (!scripts.empty()) {
            AppendLine(line, lineNumber, file, scripts.back().text, diagnostics);
        } else if (!IsBlank(line) && !reportedStray) {
            diagnostics.Error(file, lineNumber, 1, "text before the first \"@script ID\" line belongs to no script");
            reportedStray = true;
        }
    }
    if (scripts.empty() && !reportedStray)
        diagnostics.Warning(file, 0, 0, "no \"@script ID\" line: the file holds no script");
    return scripts;
}

bool ScriptSource::HasHeaderLine(const std::string& text)
{
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        if (IsHeader(text.substr(start, end - start)))
            return true;
        start = end;
    }
    return false;
}

std::string ScriptSource::Write(const std::vector<SourceScript>& scripts)
{
    std::string out;
    for (std::size_t i = 0; i < scripts.size(); ++i) {
        const SourceScript& script = scripts[i];
        out += kHeader + " " + std::to_string(script.id);
        if (!script.name.empty())
            out += " " + script.name;
        out += "\n" + Cp1252::ToUtf8(script.text);
        // The next header must start a line of its own.
        const bool last = i + 1 == scripts.size();
        if (!last && !script.text.empty() && script.text.back() != '\n')
            out += "\n";
    }
    return out;
}

std::vector<std::uint8_t> ScriptSource::Container(const std::vector<SourceScript>& scripts)
{
    std::vector<std::uint8_t> bytes;
    for (const SourceScript& script : scripts) {
        bytes.push_back(static_cast<std::uint8_t>(script.id & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(script.id >> 8));
        bytes.insert(bytes.end(), script.text.begin(), script.text.end());
        bytes.push_back(0);
    }
    return bytes;
}
