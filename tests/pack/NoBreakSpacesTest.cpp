#include <gtest/gtest.h>

#include "lib/NoBreakSpaces.h"

TEST(NoBreakSpaces, KeepFrenchPunctuationWithItsWordInsideStringLiteralsOnly)
{
    const struct {
        const char* text;
        const char* packed;
    } cases[] = {
        {"Lire \"Des champignons ?\" ;", "Lire \"Des champignons\xA0?\" ;"},
        {"Dire PNJ , 1 , \"Glissantes : prudence !\" ;", "Dire PNJ , 1 , \"Glissantes\xA0: prudence\xA0!\" ;"},
        {"Lire \"Tiens ; prends.\" ;", "Lire \"Tiens\xA0; prends.\" ;"},
        {"Lire \"\xAB Rapporte-la \xBB, dit-elle.\" ;", "Lire \"\xAB\xA0Rapporte-la\xA0\xBB, dit-elle.\" ;"},
        // Only the space next to the sign; the sign itself alone or glued stays.
        {"Lire \"Quoi  ?\" ;", "Lire \"Quoi \xA0?\" ;"},
        {"Lire \"Quoi? Oui! 3:2\" ;", "Lire \"Quoi? Oui! 3:2\" ;"},
        {"Lire \"\xAB ?\" ;", "Lire \"\xAB\xA0?\" ;"},
        // The code's own spaces, a literal's last space and comments stay.
        {"if a == 1 ;\n  Console \"vu \" ; // vraiment ? oui !\nendif", "if a == 1 ;\n  Console \"vu \" ; // vraiment ? oui !\nendif"},
        {"// \"pas ici ?\"\nLire \"ici ?\" ;", "// \"pas ici ?\"\nLire \"ici\xA0?\" ;"},
        // Escaped quotes do not end a literal; an escaped backslash does
        // not escape the quote after it.
        {"Lire \"Il dit \\\"oui ?\\\" puis rit !\" ;", "Lire \"Il dit \\\"oui\xA0?\\\" puis rit\xA0!\" ;"},
        {"Lire \"C:\\\\\" ; Lire \"et ?\" ;", "Lire \"C:\\\\\" ; Lire \"et\xA0?\" ;"},
        {"Lire \"jamais fini ?", "Lire \"jamais fini\xA0?"},
        {"", ""},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        NoBreakSpaces::KeepPunctuationWithWords(text);
        EXPECT_EQ(text, c.packed) << c.text;
    }
}

TEST(NoBreakSpaces, SaysWhichBytesChanged)
{
    std::string text = "Lire \"\xAB Oui ! \xBB\" ;";
    EXPECT_EQ(NoBreakSpaces::KeepPunctuationWithWords(text), (std::vector<std::size_t>{7, 11, 13}));
    EXPECT_TRUE(NoBreakSpaces::KeepPunctuationWithWords(text).empty()) << "nothing left to change";
}
