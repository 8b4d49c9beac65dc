#include <gtest/gtest.h>

#include "widgets/CTextBox.h"

namespace {

CTextBox GameMessageBox()
{
    CTextBox box;
    box.SetRect(50, 352, 540, 105);
    return box;
}

void Step(CTextBox& box, int frames)
{
    for (int i = 0; i < frames; ++i)
        box.StepOpen();
}

}  // namespace

TEST(TextBoxTyping, SetRectPlacesThePenInsideTheMargin)
{
    CTextBox box = GameMessageBox();
    EXPECT_EQ(box.font.x, 60);
    EXPECT_EQ(box.font.y, 378);
}

TEST(TextBoxTyping, TypesOneCharacterPerFrameOnceTheFrameIsOpen)
{
    CTextBox box = GameMessageBox();
    box.ShowText("Hello");  // the first opening step
    EXPECT_EQ(box.state, WidgetState::Opening);
    Step(box, 9);
    EXPECT_EQ(box.state, WidgetState::Opening);
    EXPECT_EQ(box.shownChars, 0u);

    // The frame reaches full size and the first character appears in the
    // same frame.
    Step(box, 1);
    EXPECT_EQ(box.state, WidgetState::Typing);
    EXPECT_EQ(box.shownChars, 1u);

    // "Hello" is laid out as "Hello " (six characters).
    Step(box, 4);
    EXPECT_EQ(box.state, WidgetState::Typing);
    EXPECT_EQ(box.shownChars, 5u);
    Step(box, 1);
    EXPECT_EQ(box.state, WidgetState::Open);
    EXPECT_EQ(box.shownChars, 6u);

    Step(box, 3);
    EXPECT_EQ(box.shownChars, 6u);
    EXPECT_EQ(box.state, WidgetState::Open);
}

TEST(TextBoxTyping, ShowInstantlyShowsTheWholePage)
{
    CTextBox box = GameMessageBox();
    box.ShowText("Hello");
    box.ShowInstantly();
    EXPECT_EQ(box.state, WidgetState::Open);
    EXPECT_EQ(box.progress, 255);
    EXPECT_EQ(box.shownChars, 6u);
}

TEST(TextBoxTyping, UnanimatedBoxShowsItsPageInOneStep)
{
    CTextBox box = GameMessageBox();
    box.animated = false;
    box.ShowText("Hello");
    EXPECT_EQ(box.state, WidgetState::Open);
    EXPECT_EQ(box.shownChars, 6u);
}

TEST(TextBoxTyping, NextPageTypesTheFollowingPage)
{
    CTextBox box = GameMessageBox();
    box.SetText("first");
    box.SetText("second");
    ASSERT_EQ(box.pages.size(), 2u);
    Step(box, 11);
    box.ShowInstantly();

    box.NextPage();
    EXPECT_FALSE(box.HasNoPage());
    EXPECT_EQ(box.state, WidgetState::Typing);
    EXPECT_EQ(box.shownChars, 0u);
    Step(box, 2);
    EXPECT_EQ(box.shownChars, 2u);
    EXPECT_EQ(box.pages.front(), "second ");

    box.NextPage();
    EXPECT_TRUE(box.HasNoPage());
}

TEST(TextBoxTyping, EmptyPageQueueIsSafe)
{
    CTextBox box = GameMessageBox();
    box.ShowInstantly();
    EXPECT_EQ(box.shownChars, 0u);
    box.NextPage();
    EXPECT_TRUE(box.HasNoPage());
    EXPECT_EQ(box.LineCount(), 0u);
    // Typing an absent page ends at once.
    Step(box, 1);
    EXPECT_EQ(box.state, WidgetState::Open);
    EXPECT_EQ(box.shownChars, 0u);
}

TEST(TextBoxTyping, ClosingHidesTheText)
{
    CTextBox box = GameMessageBox();
    box.ShowText("Hello");
    box.ShowInstantly();
    box.StepClose();
    EXPECT_EQ(box.shownChars, 0u);
    EXPECT_EQ(box.state, WidgetState::Closing);
    EXPECT_EQ(box.pages.size(), 1u);
}

TEST(TextBoxTyping, ShowTextReplacesQueuedPagesAndSetTextAppends)
{
    CTextBox box = GameMessageBox();
    box.SetText("one");
    box.SetText("two");
    EXPECT_EQ(box.pages.size(), 2u);
    box.ShowText("three");
    ASSERT_EQ(box.pages.size(), 1u);
    EXPECT_EQ(box.pages.front(), "three ");
    box.ClearPages();
    EXPECT_TRUE(box.HasNoPage());
}

TEST(TextBoxTyping, LineCountAndTextHeightFollowTheCurrentPage)
{
    CTextBox box = GameMessageBox();
    box.SetText("");
    EXPECT_EQ(box.LineCount(), 0u);
    EXPECT_EQ(box.TextHeight(), 0u);
    box.ShowText("ab\ncd");
    EXPECT_EQ(box.LineCount(), 2u);
    EXPECT_EQ(box.TextHeight(), 44u);
}
