#include <gtest/gtest.h>

#include <string>

#include "pack/PackMessages.h"
#include "lib/WorldSource.h"

namespace {

// The `menu.` settings lines world.json's "menu" becomes, one per line.
std::string MenuSettings(const std::string& menu, std::string& messages)
{
    WorldSpec world;
    Diagnostics diagnostics;
    WorldSource::Parse(R"({"name": "W", "start_script": 1, "menu": )" + menu + "}", "world.json", world, diagnostics);
    messages = Messages(diagnostics);
    std::string lines;
    for (const auto& setting : world.settings)
        lines += setting.first + " = " + setting.second + "\n";
    return lines;
}

} // namespace

TEST(WorldSourceMenu, CarriesTheMenuIntoSettingsInWindows1252)
{
    std::string messages;
    EXPECT_EQ(MenuSettings(R"({"save": true, "quit": true, "title": "MENU",
        "entries": ["statistics", {"entry": "save", "label": "Save"}, {"entry": "quit", "label": "Fin du jeu"},
                    {"entry": "equipment", "label": "Équipement"}],
        "texts": {"saved": "Saved.", "yes": "Yes", "no": "No"}})",
                           messages),
              "menu.save = true\nmenu.quit = true\nmenu.title = MENU\n"
              "menu.entries = statistics,save,quit,equipment\n"
              "menu.label.save = Save\nmenu.label.quit = Fin du jeu\nmenu.label.equipment = \xC9quipement\n"
              "menu.text.no = No\nmenu.text.saved = Saved.\nmenu.text.yes = Yes\n");
    EXPECT_EQ(messages, "");
    // Nothing asked, nothing written: the classic menu.
    EXPECT_EQ(MenuSettings(R"({"save": false})", messages), "");
    EXPECT_EQ(messages, "");
}

// Unpacking a game writes the menu back into world.json, which packs into
// the same settings again.
TEST(WorldSourceMenu, WritesTheMenuBackAsItWasGiven)
{
    WorldSpec world;
    Diagnostics diagnostics;
    ASSERT_TRUE(WorldSource::Parse(R"({"name": "W", "start_script": 1, "menu": {"save": true, "title": "Menu été",
        "entries": ["load", {"entry": "book", "label": "Livre d'or"}], "texts": {"empty": "rien"}}})",
                                   "world.json", world, diagnostics));
    WorldSpec back;
    ASSERT_TRUE(WorldSource::Parse(WorldSource::Write(world), "world.json", back, diagnostics));
    EXPECT_EQ(back.settings, world.settings);
    EXPECT_EQ(Messages(diagnostics), "");
}

TEST(WorldSourceMenu, ReportsWhatTheGameCouldNotShow)
{
    const struct {
        const char* menu;
        const char* settings;
        const char* messages;
    } cases[] = {
        {R"({"save": "yes"})", "", "world.json:1:51: error: \"save\" must be true or false\n"},
        {R"({"entries": ["save", "inventory"]})", "menu.entries = save\n",
         "world.json:1:63: error: the menu has no entry \"inventory\" (it has map, statistics, equipment, spells, "
         "techniques, skills, items, book, save, load, quit)\n"},
        {R"({"entries": ["save", "save"]})", "menu.entries = save\n",
         "world.json:1:63: error: the entry \"save\" is listed twice\n"},
        {R"({"entries": []})", "", "world.json:1:54: error: the menu must show at least one entry\n"},
        {R"({"entries": [{"entry": "save", "label": "☃"}]})", "",
         "world.json:1:82: error: must be one line of characters that Windows-1252 has\n"
         "world.json:1:54: error: the menu must show at least one entry\n"},
        {R"({"title": "a\nb"})", "", "world.json:1:52: error: must be one line of characters that Windows-1252 has\n"},
        {R"({"texts": {"hello": "x"}})", "", "world.json:1:62: warning: the menu has no text \"hello\"; it is ignored\n"},
    };
    for (const auto& c : cases) {
        std::string messages;
        EXPECT_EQ(MenuSettings(c.menu, messages), c.settings) << c.menu;
        EXPECT_EQ(messages, c.messages) << c.menu;
    }
}
