#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class GameSettings;

// The in-game menu as the world shapes it through the game folder's
// settings: which of the eleven entries the main menu shows, in which order
// and under which labels, its title, the texts of the menu's text box, and
// whether saving and quitting work. Without any `menu.` setting it is the
// classic menu: all eleven entries in their French names, saving and
// quitting doing nothing.
//
//   menu.entries = statistics,save,load,quit     (keys of kEntryKeys)
//   menu.label.<entry key> = label
//   menu.title = title of the main menu
//   menu.text.<text key> = a text of the menu (keys of kTextKeys)
//   menu.save = true        "Sauver" and "Charger" use the save slots
//   menu.quit = true        "Quitter" asks, then ends the game
//
// Labels and texts are Windows-1252, as every text of the game.
class MenuLayout {
public:
    static constexpr std::int32_t kEntryCount = 11;
    // The entries' keys, by associated value (0 "Carte" ... 10 "Quitter").
    static const char* const kEntryKeys[kEntryCount];
    static const char* const kDefaultLabels[kEntryCount];
    static constexpr std::int32_t kSaveEntry = 8;
    static constexpr std::int32_t kLoadEntry = 9;
    static constexpr std::int32_t kQuitEntry = 10;

    struct Entry {
        std::int32_t value;
        std::string label;
    };

    MenuLayout();

    // Reads the `menu.` settings over the classic menu. A key or entry that
    // means nothing is reported in `problems` and left out.
    void Read(const GameSettings& settings, std::vector<std::string>& problems);

    // The author's text for `key`, else the game's own.
    std::string Text(const std::string& key) const;
    // The value of an entry key, -1 for none.
    static std::int32_t EntryValue(const std::string& key);
    // Whether `key` names one of the menu's texts.
    static bool IsTextKey(const std::string& key);

    std::vector<Entry> entries;
    std::string title = "MENU PRINCIPAL";
    bool save = false;
    bool quit = false;

private:
    std::map<std::string, std::string> texts;
};
