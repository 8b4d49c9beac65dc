#include "game/MenuLayout.h"

#include "game/GameSettings.h"

const char* const MenuLayout::kEntryKeys[kEntryCount] = {
    "map", "statistics", "equipment", "spells", "techniques", "skills", "items", "book", "save", "load", "quit",
};

const char* const MenuLayout::kDefaultLabels[kEntryCount] = {
    "Carte",  "Statistiques", "\xC9quipement", "Sorts",   "Techniques", "Comp\xE9tences",
    "Objets", "Livre",        "Sauver",        "Charger", "Quitter",
};

namespace {

struct TextDefault {
    const char* key;
    const char* text;
};

// Every text the menu shows, under the key an author replaces it by.
const TextDefault kTexts[] = {
    {"statistics", "A partir de ce panneau vous pouvez consulter les stats du h\xE9ros choisi et convertir ses "
                   "points d'exp\xE9rience magique / physique en points de stats."},
    {"save_title", "Sauver dans:"},
    {"load_title", "Charger:"},
    {"empty", "vide"},
    {"saved", "Partie sauv\xE9" "e."},
    {"empty_slot", "Cet emplacement est vide."},
    {"cannot_save", "Impossible de sauver maintenant."},
    {"cannot_load", "Impossible de charger cette sauvegarde."},
    {"write_failed", "La sauvegarde n'a pas pu \xEAtre \xE9" "crite."},
    {"other_world", "Cette sauvegarde a \xE9t\xE9 faite avec d'autres fichiers du jeu. Confirmez encore pour "
                    "la charger."},
    {"quit_title", "Quitter le jeu?"},
    {"yes", "Oui"},
    {"no", "Non"},
};

std::vector<std::string> SplitList(const std::string& text)
{
    std::vector<std::string> items;
    std::string item;
    for (char c : text + ",") {
        if (c == ',') {
            const std::size_t first = item.find_first_not_of(' ');
            if (first != std::string::npos)
                items.push_back(item.substr(first, item.find_last_not_of(' ') - first + 1));
            item.clear();
        } else {
            item += c;
        }
    }
    return items;
}

} // namespace

MenuLayout::MenuLayout()
{
    for (std::int32_t i = 0; i < kEntryCount; ++i)
        entries.push_back({i, kDefaultLabels[i]});
}

std::int32_t MenuLayout::EntryValue(const std::string& key)
{
    for (std::int32_t i = 0; i < kEntryCount; ++i)
        if (key == kEntryKeys[i])
            return i;
    return -1;
}

bool MenuLayout::IsTextKey(const std::string& key)
{
    for (const TextDefault& text : kTexts)
        if (key == text.key)
            return true;
    return false;
}

void MenuLayout::Read(const GameSettings& settings, std::vector<std::string>& problems)
{
    save = settings.Flag("menu.save", false);
    quit = settings.Flag("menu.quit", false);
    title = settings.Get("menu.title", title);
    if (settings.Has("menu.entries")) {
        entries.clear();
        for (const std::string& key : SplitList(settings.Get("menu.entries"))) {
            const std::int32_t value = EntryValue(key);
            if (value < 0)
                problems.push_back("menu.entries: no menu entry is called \"" + key + "\"");
            else
                entries.push_back({value, kDefaultLabels[value]});
        }
    }
    for (Entry& entry : entries)
        entry.label = settings.Get(std::string("menu.label.") + kEntryKeys[entry.value], entry.label);
    for (const auto& setting : settings.Entries()) {
        const std::string& key = setting.first;
        if (key.compare(0, 10, "menu.text.") != 0)
            continue;
        if (IsTextKey(key.substr(10)))
            texts[key.substr(10)] = setting.second;
        else
            problems.push_back(key + ": the menu has no text called \"" + key.substr(10) + "\"");
    }
}

std::string MenuLayout::Text(const std::string& key) const
{
    const auto found = texts.find(key);
    if (found != texts.end())
        return found->second;
    for (const TextDefault& text : kTexts)
        if (key == text.key)
            return text.text;
    return std::string();
}
