#include "game/GameSettings.h"

#include <cstdint>

#include "game/TrimmedText.h"
#include "platform/DataFile.h"

bool GameSettings::Read(const std::string& dataPath, std::vector<std::string>& problems)
{
    entries.clear();
    std::FILE* probe = OpenDataFile(dataPath, "rb");
    if (!probe)
        return true;
    std::fclose(probe);
    std::vector<std::uint8_t> bytes;
    if (!ReadDataFile(dataPath, bytes, kMaxFileBytes)) {
        problems.push_back(HostPath(dataPath) + ": cannot be read or is larger than " +
                           std::to_string(kMaxFileBytes / 1024) + " KB; the defaults hold");
        return false;
    }
    std::vector<std::string> lineProblems;
    Parse(std::string(bytes.begin(), bytes.end()), lineProblems);
    for (const std::string& problem : lineProblems)
        problems.push_back(HostPath(dataPath) + ":" + problem);
    return true;
}

void GameSettings::Parse(const std::string& text, std::vector<std::string>& problems)
{
    std::size_t start = 0;
    int number = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string line = TrimmedText(text.substr(start, end - start));
        start = end + 1;
        ++number;
        if (line.empty() || line[0] == '#')
            continue;
        const std::size_t equals = line.find('=');
        const std::string key = equals == std::string::npos ? "" : TrimmedText(line.substr(0, equals));
        if (!IsKey(key)) {
            problems.push_back(std::to_string(number) + ": not a `key = value` line; skipped");
            continue;
        }
        entries.emplace_back(key, TrimmedText(line.substr(equals + 1)));
    }
}

std::string GameSettings::Get(const std::string& key, const std::string& fallback) const
{
    for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry)
        if (entry->first == key)
            return entry->second;
    return fallback;
}

std::vector<std::string> GameSettings::GetAll(const std::string& key) const
{
    std::vector<std::string> values;
    for (const auto& entry : entries)
        if (entry.first == key)
            values.push_back(entry.second);
    return values;
}

bool GameSettings::Has(const std::string& key) const
{
    for (const auto& entry : entries)
        if (entry.first == key)
            return true;
    return false;
}

bool GameSettings::Flag(const std::string& key, bool fallback) const
{
    const std::string value = Get(key);
    if (value == "true" || value == "yes" || value == "on" || value == "1")
        return true;
    if (value == "false" || value == "no" || value == "off" || value == "0")
        return false;
    return fallback;
}

void GameSettings::Set(const std::string& key, const std::string& value)
{
    entries.emplace_back(key, value);
}

std::string GameSettings::WorldPath() const
{
    return "wor\\" + Get("world", kDefaultWorldName) + ".world";
}

std::string GameSettings::Title() const
{
    return Get("title", kDefaultTitle);
}

bool GameSettings::GridMovement() const
{
    return Get("movement") == "grid";
}

std::string GameSettings::Line(const std::string& key, const std::string& value)
{
    // A value is one line: a control character would end it early.
    std::string kept = TrimmedText(value);
    for (char& c : kept)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    return key + " = " + kept + "\n";
}

bool GameSettings::IsKey(const std::string& key)
{
    if (key.empty())
        return false;
    for (char c : key)
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '.'))
            return false;
    return true;
}
