#include <gtest/gtest.h>

#include <string>

#include "widgets/CDialogBox.h"
#include "world/CPerso.h"

namespace {

CPerso Speaker(const std::string& name, std::uint32_t texture)
{
    CPerso perso;
    perso.name = name;
    perso.texture = texture;
    return perso;
}

CDialogBox GameDialogBox()
{
    CDialogBox box;
    box.SetRect(50, 352, 540, 105);
    box.portrait.SetRect(10, 362, 48, 48);
    return box;
}

}  // namespace

TEST(DialogBox, PortraitShowsTheTopRightOfTheCharacterSheet)
{
    CDialogBox box;
    EXPECT_FALSE(box.portrait.visible);
    EXPECT_FLOAT_EQ(box.portrait.texRect.s0, 0.625f);
    EXPECT_FLOAT_EQ(box.portrait.texRect.t0, 1.0f);
    EXPECT_FLOAT_EQ(box.portrait.texRect.s1, 1.0f);
    EXPECT_FLOAT_EQ(box.portrait.texRect.t1, 0.625f);
}

TEST(DialogBox, SpeakerSetsLabelPortraitAndOneIndent)
{
    CDialogBox box = GameDialogBox();
    const CPerso al = Speaker("Al", 40);
    box.SetSpeaker(&al);
    EXPECT_EQ(box.prefix, "Al: ");
    EXPECT_TRUE(box.portrait.visible);
    EXPECT_EQ(box.portrait.textureId, 40);
    EXPECT_EQ(box.font.x, 70);

    const CPerso bea = Speaker("B\xE9" "a", 41);
    box.SetSpeaker(&bea);
    EXPECT_EQ(box.prefix, "B\xE9" "a: ");
    EXPECT_EQ(box.font.x, 70);

    box.SetSpeaker(nullptr);
    EXPECT_EQ(box.prefix, "");
    EXPECT_FALSE(box.portrait.visible);
    EXPECT_EQ(box.portrait.textureId, 0);
    EXPECT_EQ(box.font.x, 60);
    box.SetSpeaker(nullptr);
    EXPECT_EQ(box.font.x, 60);
}

TEST(DialogBox, LinesHold41CharactersBesideALabelAnd43Without)
{
    CDialogBox box = GameDialogBox();
    const CPerso al = Speaker("Al", 40);
    box.SetSpeaker(&al);
    EXPECT_EQ(box.CharsPerLine(), 41);
    // "Al: " and 37 characters fill the first line exactly.
    box.SetText(std::string(37, 'x') + " yyy");
    EXPECT_EQ(box.pages.front(), std::string(37, 'x') + "\nyyy ");

    box.ClearPages();
    box.SetSpeaker(nullptr);
    EXPECT_EQ(box.CharsPerLine(), 43);
    box.SetText(std::string(43, 'x') + " yyy");
    EXPECT_EQ(box.pages.front(), std::string(43, 'x') + "\nyyy ");
}

TEST(DialogBox, PortraitOpensAndClosesWithTheBoxOnlyWhileASpeakerIsSet)
{
    CDialogBox box = GameDialogBox();
    box.ShowText("Hi");
    for (int i = 0; i < 11; ++i)
        box.StepOpen();
    EXPECT_EQ(box.portrait.state, WidgetState::Closed);

    CDialogBox spoken = GameDialogBox();
    const CPerso al = Speaker("Al", 40);
    spoken.SetSpeaker(&al);
    spoken.ShowText("Hi");
    for (int i = 0; i < 10; ++i)
        spoken.StepOpen();
    EXPECT_EQ(spoken.portrait.state, WidgetState::Open);
    EXPECT_EQ(spoken.portrait.progress, 255);
    for (int i = 0; i < 11; ++i)
        spoken.StepClose();
    EXPECT_EQ(spoken.state, WidgetState::Closed);
    EXPECT_EQ(spoken.portrait.state, WidgetState::Closed);
}

TEST(DialogBox, ShowInstantlyOpensThePortraitToo)
{
    CDialogBox box = GameDialogBox();
    const CPerso al = Speaker("Al", 40);
    box.SetSpeaker(&al);
    box.ShowText("Hi");
    box.ShowInstantly();
    EXPECT_EQ(box.portrait.state, WidgetState::Open);
    EXPECT_EQ(box.shownChars, 3u);
}
