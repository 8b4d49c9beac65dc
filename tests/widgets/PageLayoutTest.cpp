#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "widgets/CDialogBox.h"
#include "widgets/PageLayout.h"
#include "world/CPerso.h"

using Pages = std::vector<std::string>;

TEST(PageLayout, BreaksLinesAndPages)
{
    struct Case {
        const char* text;
        const char* prefix;
        int lines, width;
        Pages expected;
    };
    const Case cases[] = {
        {"", "", 4, 43, {""}}, {"abcdefg", "", 4, 43, {"abcdefg "}},
        {"hello world again", "", 4, 10, {"hello\nworld\nagain "}},  // word wrap
        {"a bcdefgh", "", 4, 5, {"a\nbcde-\nfgh "}},                // space at 1 breaks
        {" abcdefg", "", 4, 5, {" abc-\ndefg "}},                   // space at 0 does not
        {"abcde fgh", "", 4, 5, {"abcde\nfgh "}},                   // space at W dropped
        {"abcde ", "", 4, 5, {"abcde "}},
        {"abcdefghij", "", 4, 5, {"abcd-\nefgh-\nij "}},            // hyphenation
        {"ab\ncd efgh ijkl", "", 4, 10, {"ab\ncd efgh\nijkl "}},    // newline within W
        {"abc\n\ndefghi", "", 4, 5, {"abc\n\ndefg-\nhi "}},         // blank line
        {"abcdefg\nhi", "", 4, 5, {"abcd-\nefg\nhi "}},             // newline beyond W
        {"ab\ncd", "", 1, 10, {"ab\ncd "}},                         // last piece stays whole
        {"one two three four five", "", 2, 5, {"one\ntwo ", "three\nfour ", "five "}},
        {"one two three four", "", 1, 10, {"one two ", "three four "}},
        {"one two three four", "Al: ", 1, 10, {"one ", "two ", "three ", "four "}},
        // Too narrow for a character and a hyphen: one character per line.
        {"ab cd", "", 4, 1, {"a\nb\nc\nd "}}, {"abc", "", 4, 0, {"a\nb\nc "}}, {"abc", "", 4, -3, {"a\nb\nc "}},
        // A label that fills a page by itself gets no room after it.
        {"hi", "Bartholomew: ", 1, 5, {" ", "hi "}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LayOutPages(c.text, c.prefix, c.lines, c.width), c.expected)
            << '"' << c.text << "\" in " << c.lines << " x " << c.width;
}

TEST(PageLayout, GameDialogueBoxHolds43CharactersOr41BesideALabel)
{
    CDialogBox box;
    box.SetRect(50, 352, 540, 105);
    EXPECT_EQ(box.LinesPerPage(), 4);
    box.SetText(std::string(43, 'x') + " yyy");
    EXPECT_EQ(box.pages.back(), std::string(43, 'x') + "\nyyy ");

    CPerso al;
    al.name = "Al";
    box.SetSpeaker(&al);
    box.SetSpeaker(&al);  // indents once
    EXPECT_EQ(box.font.x, 70);
    box.SetText(std::string(38, 'x') + " yyy");
    EXPECT_EQ(box.pages.back(), "\n" + std::string(38, 'x') + "\nyyy ");
    // Every page's first line holds the label with up to 37 characters.
    const std::string word(37, 'x');
    box.ClearPages();
    box.SetText(word + " " + word + " " + word + " " + word + " tail");
    ASSERT_EQ(box.pages.size(), 2u);
    EXPECT_EQ(box.pages.front(), word + "\n" + word + "\n" + word + "\n" + word + " ");
    EXPECT_EQ(box.pages.back(), "tail ");

    box.SetSpeaker(nullptr);
    EXPECT_EQ(box.font.x, 60);
}

TEST(PageLayout, DegenerateBoxesStillLayOutTheirText)
{
    CTextBox box;
    box.SetRect(0, 0, 20, -400);
    EXPECT_EQ(box.LinesPerPage(), 25);
    box.SetText("hello");
    EXPECT_EQ(box.pages.front(), "h\ne\nl\nl\no ");
    box.font.spacing = -16;  // no advance: counted as one pixel
    box.SetRect(0, 0, 60, 105);
    EXPECT_EQ(box.CharsPerLine(), 60 - 20 - 16);
}

// A label longer than a line spans lines; none of it may stay in the page,
// which the box draws after the label (found by fuzzing).
TEST(PageLayout, ALabelSpanningLinesIsTakenOutOfThePage)
{
    EXPECT_EQ(LayOutPages("", std::string("\x04\xc4\xfb\0\xfb\xff", 6), 55, -8),
              std::vector<std::string>{"\n\n\n\n\n "});
    EXPECT_EQ(LayOutPages("", std::string("\0\n\x01", 3), 28, -8), std::vector<std::string>{"\n\n "});
    EXPECT_EQ(LayOutPages("$A", "S\n u", 54, -8), std::vector<std::string>{"\n\n\n\n$\nA "});
    EXPECT_EQ(LayOutPages("Oui", "Aline: ", 5, 3), (std::vector<std::string>{"\n\n\nOui "}));
    EXPECT_EQ(LayOutPages("Oui et non", "Al: ", 5, 8), (std::vector<std::string>{"Oui\net non "}));
}
