#include <gtest/gtest.h>

#include <tuple>

#include "widgets/CDialogBox.h"
#include "world/CPerso.h"

namespace {

void StepOpen(CTextBox& box, int frames)
{
    for (int i = 0; i < frames; ++i)
        box.StepOpen();
}

}  // namespace

TEST(TextBox, TypesOneCharacterPerFrameOnceTheFrameIsOpen)
{
    CTextBox box;
    box.SetRect(50, 352, 540, 105);
    box.ShowText("Hello");  // "Hello ", and the first opening step
    // Nine more opening steps, then full size with the first character.
    for (auto [frames, state, shown] : {std::tuple{9, WidgetState::Opening, 0u}, {1, WidgetState::Typing, 1u},
                                        {4, WidgetState::Typing, 5u}, {1, WidgetState::Open, 6u}}) {
        StepOpen(box, frames);
        EXPECT_EQ(box.state, state) << frames;
        EXPECT_EQ(box.shownChars, shown) << frames;
    }
    box.StepClose();
    EXPECT_EQ(box.shownChars, 0u);

    // A step of 0, or a counter already past the step, still types.
    for (std::uint32_t step : {0u, 2u}) {
        CTextBox odd;
        odd.SetRect(50, 352, 540, 105);
        odd.ShowText("Hi");
        odd.typingStep = step;
        odd.typingCounter = 5;
        StepOpen(odd, 20);
        EXPECT_EQ(odd.state, WidgetState::Open) << step;
    }

    CTextBox instant;
    instant.SetRect(50, 352, 540, 105);
    instant.animated = false;
    instant.ShowText("Hi");
    EXPECT_EQ(instant.state, WidgetState::Open);
    EXPECT_EQ(instant.shownChars, 3u);
}

TEST(TextBox, NextPageTypesTheFollowingPageUntilNoneIsLeft)
{
    CTextBox box;
    box.SetRect(50, 352, 540, 105);
    box.SetText("first");
    box.ShowInstantly();
    EXPECT_EQ(box.shownChars, 6u);
    box.SetText("ab\ncd");
    box.NextPage();
    EXPECT_EQ(box.state, WidgetState::Typing);
    EXPECT_EQ(box.shownChars, 0u);
    EXPECT_EQ(box.TextHeight(), 44u);
    StepOpen(box, 2);
    EXPECT_EQ(box.shownChars, 2u);
    box.NextPage();
    EXPECT_TRUE(box.HasNoPage());
    EXPECT_EQ(box.LineCount(), 0u);

    // Without a page everything is still safe.
    box.NextPage();
    box.ShowInstantly();
    StepOpen(box, 1);
    EXPECT_EQ(box.shownChars, 0u);
}

TEST(TextBox, PortraitFollowsTheDialogueBoxWhileASpeakerIsSet)
{
    CDialogBox box;
    CPerso al;
    al.name = "Al";
    al.texture = 40;
    box.SetSpeaker(&al);
    EXPECT_EQ(box.portrait.textureId, 40);
    box.ShowText("Hi");
    StepOpen(box, 10);
    EXPECT_EQ(box.portrait.state, WidgetState::Open);
    for (int i = 0; i < 11; ++i)
        box.StepClose();
    EXPECT_EQ(box.portrait.state, WidgetState::Closed);

    box.SetSpeaker(nullptr);
    EXPECT_FALSE(box.portrait.visible);
    box.ShowText("Hi");
    StepOpen(box, 11);
    EXPECT_EQ(box.portrait.state, WidgetState::Closed);
}
