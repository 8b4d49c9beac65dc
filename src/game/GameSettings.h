#pragma once

#include <string>
#include <utility>
#include <vector>

// The game folder's settings: what the world asks of the game beyond the
// world file itself (which world to open, the window's title, opt-in
// behaviours). tessel-pack writes them from world.json into "game.cfg", one
// `key = value` a line, '#' starting a comment line. A folder without the
// file plays with the defaults: the world "Sylva" under the classic title.
// The title is UTF-8, as the window system takes it; the world's own texts
// stay Windows-1252.
class GameSettings {
public:
    static constexpr const char* kFileName = "game.cfg";
    static constexpr const char* kDefaultWorldName = "Sylva";
    static constexpr const char* kDefaultTitle = "Lanternwork by Odrin";
    // More than any settings file needs; a larger one is refused unread.
    static const std::size_t kMaxFileBytes = 64 * 1024;

    // Reads `dataPath` (a data path, '\' separated). A missing file is no
    // error: the defaults hold. A file that cannot be read or is too large
    // is an error; a line that cannot be read is reported in `problems`
    // (with its number) and skipped. False only when the file exists and
    // could not be read at all.
    bool Read(const std::string& dataPath, std::vector<std::string>& problems);
    // The same from text already in memory.
    void Parse(const std::string& text, std::vector<std::string>& problems);

    // The last value given for `key`, or `fallback` when there is none.
    std::string Get(const std::string& key, const std::string& fallback = "") const;
    // Every value given for `key`, in file order (for repeatable keys).
    std::vector<std::string> GetAll(const std::string& key) const;
    bool Has(const std::string& key) const;
    // "true", "yes", "on" and "1" are true; "false", "no", "off" and "0"
    // false; anything else (or no value) is `fallback`.
    bool Flag(const std::string& key, bool fallback) const;
    void Set(const std::string& key, const std::string& value);

    // The world file the game opens: "wor\<world>.world".
    std::string WorldPath() const;
    std::string Title() const;
    // "movement = grid": the hero walks tile by tile.
    bool GridMovement() const;

    const std::vector<std::pair<std::string, std::string>>& Entries() const { return entries; }

    // One `key = value` line as the file holds it, for the packer.
    static std::string Line(const std::string& key, const std::string& value);
    // A key is one or more of a-z, 0-9, '_' and '.'.
    static bool IsKey(const std::string& key);

private:
    std::vector<std::pair<std::string, std::string>> entries;
};
