#include "lib/JsonPositions.h"

JsonPositions::JsonPositions(const std::string& text) : text(text)
{
    std::size_t tooDeep = 0;
    if (TooDeep(text, tooDeep))
        return;
    Value("");
    PlaceStarts();
}

bool JsonPositions::TooDeep(const std::string& text, std::size_t& offset)
{
    std::size_t depth = 0;
    bool inString = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '[' || c == '{') {
            if (++depth > kMaxDepth) {
                offset = i;
                return true;
            }
        } else if ((c == ']' || c == '}') && depth > 0) {
            --depth;
        }
    }
    return false;
}

void JsonPositions::PlaceStarts()
{
    for (const auto& start : starts)
        places[start.second];
    Place at{1, 1};
    std::size_t offset = 0;
    for (auto& place : places) {
        for (; offset < place.first && offset < text.size(); ++offset) {
            if (text[offset] == '\n') {
                ++at.line;
                at.column = 1;
            } else if ((static_cast<unsigned char>(text[offset]) & 0xC0) != 0x80) {
                ++at.column;
            }
        }
        place.second = at;
    }
}

void JsonPositions::LineColumn(const std::string& text, std::size_t offset, int& line, int& column)
{
    line = 1;
    column = 1;
    for (std::size_t i = 0; i < offset && i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            ++column;
        }
    }
}

bool JsonPositions::Find(std::string pointer, int& line, int& column) const
{
    for (;;) {
        const auto found = starts.find(pointer);
        if (found != starts.end()) {
            const Place& place = places.at(found->second);
            line = place.line;
            column = place.column;
            return true;
        }
        if (pointer.empty())
            return false;
        pointer.erase(pointer.rfind('/'));
    }
}

void JsonPositions::Skip()
{
    while (position < text.size() &&
           (text[position] == ' ' || text[position] == '\t' || text[position] == '\n' || text[position] == '\r'))
        ++position;
}

std::string JsonPositions::String()
{
    std::string out;
    ++position;  // opening quote
    while (position < text.size() && text[position] != '"') {
        if (text[position] == '\\' && position + 1 < text.size())
            ++position;  // names with escapes are rare in a world file; keep the escaped character
        out += text[position++];
    }
    ++position;
    return out;
}

void JsonPositions::Value(const std::string& pointer)
{
    Skip();
    if (position >= text.size())
        return;
    starts[pointer] = position;
    const char c = text[position];
    if (c == '{') {
        ++position;
        for (;;) {
            Skip();
            if (position >= text.size() || text[position] == '}') {
                ++position;
                return;
            }
            if (text[position] == ',') {
                ++position;
                continue;
            }
            if (text[position] != '"')
                return;
            const std::string key = String();
            Skip();
            if (position < text.size() && text[position] == ':')
                ++position;
            if (starts.count(pointer + "/" + key))
                duplicates.push_back(pointer + "/" + key);
            Value(pointer + "/" + key);
        }
    } else if (c == '[') {
        ++position;
        for (int index = 0;; ++index) {
            Skip();
            if (position >= text.size() || text[position] == ']') {
                ++position;
                return;
            }
            Value(pointer + "/" + std::to_string(index));
            Skip();
            if (position < text.size() && text[position] == ',')
                ++position;
        }
    } else if (c == '"') {
        String();
    } else {
        while (position < text.size() && std::string(",]} \t\r\n").find(text[position]) == std::string::npos)
            ++position;
    }
}

bool JsonPositions::TooDeep(const std::string& text, int& line, int& column, std::string& message)
{
    std::size_t offset = 0;
    if (!TooDeep(text, offset))
        return false;
    LineColumn(text, offset, line, column);
    message = "lists and objects nest more than " + std::to_string(kMaxDepth) + " deep here";
    return true;
}
