#include "WidgetDrawingFixture.h"

#include <string>

#include "widgets/CChoiceBox.h"
#include "widgets/CInputBox.h"

namespace {

// The marker and the scroll arrows are white at 70 % over the dark box.
bool Bright(const Rgba& p)
{
    return p.g > 150;
}

void SetUpChoice(CChoiceBox& box, int items, int rows)
{
    box.backColor = CColor(0.4f, 0.1f, 0.2f, 1);
    box.SetRect(50, 300, 540, 0);
    box.SetText("Q");
    box.SetItemCount(items);
    box.SetVisibleRows(rows);
    for (int i = 0; i < items; ++i)
        box.items[static_cast<std::size_t>(i)] = "item";
    box.SetSelected(0);
    box.ShowInstantly();
}

}  // namespace

class BoxDrawing : public WidgetDrawingTest {
protected:
    // Draws `frames` frames of the box; returns whether the down and the up
    // arrow were shown in the last one.
    std::pair<bool, bool> DrawFrames(CChoiceBox& box, int frames)
    {
        for (int i = 0; i < frames; ++i) {
            ClearScreen();
            box.Draw();
        }
        // The box is 114 pixels high: arrows at its bottom (414) and top (300).
        return {Bright(FrameBuffer::ReadPixel(320, 409)), Bright(FrameBuffer::ReadPixel(320, 305))};
    }
};

TEST_F(BoxDrawing, MarkerPointsAtTheSelectedRow)
{
    CChoiceBox box;
    SetUpChoice(box, 5, 4);
    box.SetSelected(2);
    box.Draw();

    // Rows are 22 pixels apart; row 2's marker spans 379..389 at x 70..80.
    EXPECT_TRUE(Bright(FrameBuffer::ReadPixel(73, 384))) << FrameBuffer::ReadPixel(73, 384);
    EXPECT_FALSE(Bright(FrameBuffer::ReadPixel(73, 362))) << FrameBuffer::ReadPixel(73, 362);
    EXPECT_FALSE(Bright(FrameBuffer::ReadPixel(73, 406))) << FrameBuffer::ReadPixel(73, 406);
    // Items are drawn 25 pixels right of the text, under it.
    EXPECT_EQ(FrameBuffer::ReadPixel(90, 380), (Rgba{255, 255, 255, 255}));
}

TEST_F(BoxDrawing, ItemsAndMarkerWaitUntilTheQuestionHasTyped)
{
    CChoiceBox box;
    SetUpChoice(box, 5, 4);
    box.state = WidgetState::Typing;
    box.Draw();
    EXPECT_FALSE(Bright(FrameBuffer::ReadPixel(73, 340)));
    EXPECT_NE(FrameBuffer::ReadPixel(90, 336), (Rgba{255, 255, 255, 255}));
}

TEST_F(BoxDrawing, ScrollArrowsBlinkFifteenFramesOnAndOff)
{
    CChoiceBox box;
    SetUpChoice(box, 5, 4);
    // Only the down arrow: the list starts at its first item.
    EXPECT_EQ(DrawFrames(box, 14), std::make_pair(false, false));
    EXPECT_EQ(DrawFrames(box, 1), std::make_pair(true, false));
    EXPECT_EQ(DrawFrames(box, 14), std::make_pair(true, false));
    EXPECT_EQ(DrawFrames(box, 1), std::make_pair(false, false));

    // Scrolled to the end: only the up arrow.
    box.SetSelected(4);
    ASSERT_EQ(box.firstVisible, 1);
    EXPECT_EQ(DrawFrames(box, 15), std::make_pair(false, true));
}

TEST_F(BoxDrawing, NoScrollArrowsWhenAllItemsFit)
{
    CChoiceBox box;
    SetUpChoice(box, 3, 3);
    bool anyArrow = false;
    bool arrowsWereDue = false;
    for (int frame = 0; frame < 30; ++frame) {
        std::pair<bool, bool> arrows = DrawFrames(box, 1);
        anyArrow = anyArrow || arrows.first || arrows.second;
        arrowsWereDue = arrowsWereDue || box.blinkOn;
    }
    EXPECT_TRUE(arrowsWereDue);
    EXPECT_FALSE(anyArrow);
}

TEST_F(BoxDrawing, EmptyOrStaleListDrawsNoItemOutsideTheArray)
{
    CChoiceBox empty;
    SetUpChoice(empty, 0, 4);
    empty.Draw();
    EXPECT_EQ(empty.selected, -1);
    EXPECT_NE(FrameBuffer::ReadPixel(90, 336), (Rgba{255, 255, 255, 255}));

    // A scroll position left over from a longer list, and a count that says
    // more than the array holds.
    CChoiceBox stale;
    SetUpChoice(stale, 2, 4);
    stale.firstVisible = -2;
    stale.itemCount = 6;
    ClearScreen();
    stale.Draw();
    EXPECT_EQ(stale.selected, 0);
}

TEST_F(BoxDrawing, InputFieldShowsOnlyTheFirstMaxLengthCharacters)
{
    CInputBox box;
    box.backColor = CColor(0.4f, 0.1f, 0.2f, 1);
    box.SetRect(50, 352, 540, 105);
    box.SetText("Name?");
    box.SetInputType(4);
    for (char c : std::string("abcdefghijklmnopqrstuvwxy"))
        box.AddChar(c);
    box.inputFont.SetColor(6);
    box.ShowInstantly();
    box.Draw();

    // Field at (85, 400), 246 x 22; glyph i of the text at 88 + 12 i.
    const Rgba yellow{255, 255, 0, 255};
    EXPECT_EQ(FrameBuffer::ReadPixel(320, 410), yellow);  // the 20th
    EXPECT_NE(FrameBuffer::ReadPixel(340, 410), yellow);  // where the 21st would be

    // The fill is white at 30 % over the box.
    const Rgba outside = FrameBuffer::ReadPixel(345, 410);
    auto blend = [](std::uint8_t under) {
        return static_cast<std::uint8_t>(0.3f * 255 + 0.7f * under + 0.5f);
    };
    const Rgba expected{blend(outside.r), blend(outside.g), blend(outside.b), 255};
    EXPECT_TRUE(FrameBuffer::ReadPixel(87, 410).Near(expected, 3))
        << FrameBuffer::ReadPixel(87, 410) << " vs " << expected;
}

TEST_F(BoxDrawing, InputFieldWaitsUntilThePromptHasTyped)
{
    CInputBox box;
    box.backColor = CColor(0.4f, 0.1f, 0.2f, 1);
    box.SetRect(50, 352, 540, 105);
    box.ShowText("Name?");
    box.SetInputType(2);
    box.AddChar('a');
    for (int i = 0; i < 12; ++i)
        box.StepOpen();
    ASSERT_EQ(box.state, WidgetState::Typing);
    box.Draw();
    EXPECT_NE(FrameBuffer::ReadPixel(92, 410), (Rgba{255, 255, 255, 255}));
}
