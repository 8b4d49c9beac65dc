#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "widgets/CTextBox.h"
#include "widgets/PageLayout.h"

using Pages = std::vector<std::string>;

TEST(PageLayout, EmptyTextGivesOneEmptyPage)
{
    EXPECT_EQ(LayOutPages("", "", 4, 43), Pages{""});
}

TEST(PageLayout, ShortTextEndsWithASpaceInsteadOfANewline)
{
    EXPECT_EQ(LayOutPages("abcdefg", "", 4, 43), Pages{"abcdefg "});
}

TEST(PageLayout, WrapsAtTheLastSpaceThatFits)
{
    EXPECT_EQ(LayOutPages("hello world again", "", 4, 10), Pages{"hello\nworld\nagain "});
}

TEST(PageLayout, BreaksAtASpaceAsEarlyAsTheSecondCharacterButNotTheFirst)
{
    EXPECT_EQ(LayOutPages("a bcdefgh", "", 4, 5), Pages{"a\nbcde-\nfgh "});
    EXPECT_EQ(LayOutPages(" abcdefg", "", 4, 5), Pages{" abc-\ndefg "});
}

TEST(PageLayout, SpaceRightAfterAFullLineIsDropped)
{
    EXPECT_EQ(LayOutPages("abcde fgh", "", 4, 5), Pages{"abcde\nfgh "});
    // The text ends with that space: its line still makes a page.
    EXPECT_EQ(LayOutPages("abcde ", "", 4, 5), Pages{"abcde "});
}

TEST(PageLayout, HyphenatesWordsLongerThanALine)
{
    EXPECT_EQ(LayOutPages("abcdefghij", "", 4, 5), Pages{"abcd-\nefgh-\nij "});
}

TEST(PageLayout, BreaksAtNewlinesWithinTheLine)
{
    EXPECT_EQ(LayOutPages("ab\ncd efgh ijkl", "", 4, 10), Pages{"ab\ncd efgh\nijkl "});
    // A blank line stays on the page, and so does the text after it.
    EXPECT_EQ(LayOutPages("abc\n\ndefghi", "", 4, 5), Pages{"abc\n\ndefg-\nhi "});
}

TEST(PageLayout, NewlineBeyondTheLineWidthIsReachedAfterWrapping)
{
    EXPECT_EQ(LayOutPages("abcdefg\nhi", "", 4, 5), Pages{"abcd-\nefg\nhi "});
}

TEST(PageLayout, LastPieceThatFitsStaysWholeEvenWithNewlines)
{
    // One slot holds both lines, so the page has more lines than the box.
    EXPECT_EQ(LayOutPages("ab\ncd", "", 1, 10), Pages{"ab\ncd "});
}

TEST(PageLayout, FullPagesContinueOnNewOnes)
{
    EXPECT_EQ(LayOutPages("one two three four five", "", 2, 5),
              (Pages{"one\ntwo ", "three\nfour ", "five "}));
}

TEST(PageLayout, EveryPageLeavesRoomForThePrefix)
{
    EXPECT_EQ(LayOutPages("one two three four", "", 1, 10), (Pages{"one two ", "three four "}));
    EXPECT_EQ(LayOutPages("one two three four", "Al: ", 1, 10),
              (Pages{"one ", "two ", "three ", "four "}));
}

TEST(PageLayout, LinesTooNarrowForAHyphenTakeOneCharacterEach)
{
    EXPECT_EQ(LayOutPages("ab cd", "", 4, 1), Pages{"a\nb\nc\nd "});
    EXPECT_EQ(LayOutPages("abc", "", 4, 0), Pages{"a\nb\nc "});
    EXPECT_EQ(LayOutPages("abc", "", 4, -3), Pages{"a\nb\nc "});
}

TEST(PageLayout, PrefixFillingAWholePageGetsNoRoomAfterIt)
{
    Pages pages = LayOutPages("hi", "Bartholomew: ", 1, 5);
    ASSERT_FALSE(pages.empty());
    EXPECT_EQ(pages.back(), "hi ");
}

TEST(TextBoxLayout, GameMessageBoxHasFourLinesOf43Characters)
{
    CTextBox box;
    box.SetRect(50, 352, 540, 105);
    EXPECT_EQ(box.LinesPerPage(), 4);
    EXPECT_EQ(box.CharsPerLine(), 43);

    const std::string full(43, 'x');
    box.SetText(full + " yyy");
    ASSERT_EQ(box.pages.size(), 1u);
    EXPECT_EQ(box.pages.front(), full + "\nyyy ");
}

TEST(TextBoxLayout, FifthLineStartsASecondPage)
{
    CTextBox box;
    box.SetRect(50, 352, 540, 105);
    const std::string line(43, 'x');
    box.SetText(line + " " + line + " " + line + " " + line + " tail");
    ASSERT_EQ(box.pages.size(), 2u);
    EXPECT_EQ(box.pages.back(), "tail ");
}

TEST(TextBoxLayout, BoxTooLowForOneLineHolds25LinesPerPage)
{
    CTextBox box;
    box.SetRect(0, 0, 540, 0);
    EXPECT_EQ(box.LinesPerPage(), 25);
    box.SetRect(0, 0, 540, -400);
    EXPECT_EQ(box.LinesPerPage(), 25);
}

TEST(TextBoxLayout, BoxNarrowerThanTwoCharactersStillEndsItsLayout)
{
    CTextBox box;
    box.SetRect(0, 0, 20, 105);
    ASSERT_LT(box.CharsPerLine(), 2);
    box.SetText("hello");
    ASSERT_EQ(box.pages.size(), 2u);
    EXPECT_EQ(box.pages.front(), "h\ne\nl\nl ");
    EXPECT_EQ(box.pages.back(), "o ");
}

TEST(TextBoxLayout, ZeroAdvancesCountAsOnePixel)
{
    CTextBox box;
    box.font.glyphWidth = 4;
    box.font.spacing = -4;
    box.font.glyphHeight = 6;
    box.font.lineSpacing = -6;
    box.SetRect(0, 0, 60, 30);
    EXPECT_EQ(box.CharsPerLine(), 36);  // 60 - 2 * 10 - 4
    EXPECT_EQ(box.LinesPerPage(), 4);   // 30 - 2 * 10 - 6
}
