#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/GameSettings.h"
#include "game/MenuLayout.h"

namespace {

std::string Entries(const MenuLayout& layout)
{
    std::string text;
    for (const MenuLayout::Entry& entry : layout.entries)
        text += std::to_string(entry.value) + ":" + entry.label + " ";
    return text;
}

} // namespace

TEST(MenuLayout, WithoutSettingsItIsTheClassicMenu)
{
    GameSettings settings;
    std::vector<std::string> problems;
    MenuLayout layout;
    layout.Read(settings, problems);
    EXPECT_EQ(Entries(layout), "0:Carte 1:Statistiques 2:\xC9quipement 3:Sorts 4:Techniques 5:Comp\xE9tences "
                               "6:Objets 7:Livre 8:Sauver 9:Charger 10:Quitter ");
    EXPECT_EQ(layout.title, "MENU PRINCIPAL");
    EXPECT_FALSE(layout.save || layout.quit);
    EXPECT_EQ(layout.Text("yes"), "Oui");
    EXPECT_TRUE(problems.empty());
}

TEST(MenuLayout, TheSettingsChooseEntriesLabelsAndTexts)
{
    GameSettings settings;
    std::vector<std::string> problems;
    settings.Parse("menu.entries = quit , bag, map\nmenu.label.map = Map\nmenu.label.book = Book\n"
                   "menu.text.no = No\nmenu.text.nope = x\nmenu.save = yes\nmenu.quit = off\n",
                   problems);
    ASSERT_TRUE(problems.empty());
    MenuLayout layout;
    layout.Read(settings, problems);
    // A label of an entry not shown changes nothing.
    EXPECT_EQ(Entries(layout), "10:Quitter 0:Map ");
    EXPECT_EQ(layout.Text("no"), "No");
    EXPECT_EQ(layout.Text("yes"), "Oui");
    EXPECT_TRUE(layout.save);
    EXPECT_FALSE(layout.quit);
    EXPECT_EQ(problems, (std::vector<std::string>{"menu.entries: no menu entry is called \"bag\"",
                                                  "menu.text.nope: the menu has no text called \"nope\""}));
}
