#include "WidgetDrawingFixture.h"

#include "widgets/CDialogBox.h"
#include "widgets/CFont.h"
#include "widgets/CTextBox.h"
#include "widgets/DefaultFontTexture.h"
#include "world/CPerso.h"

namespace {

const Rgba kRed{255, 0, 0, 255};
const Rgba kWhite{255, 255, 255, 255};
const Rgba kGreen{0, 255, 0, 255};

}  // namespace

using TextDrawing = WidgetDrawingTest;

TEST_F(TextDrawing, ByteE9IsTakenFromColumn9Row14InTheFontsColour)
{
    CFont font;
    font.SetColor(3);
    font.x = 100;
    font.y = 200;
    font.Draw("\xE9");

    // The glyph occupies the 16 pixels above the pen; only its top-left
    // quarter is inked.
    EXPECT_EQ(FrameBuffer::ReadPixel(100, 184), kRed);
    EXPECT_EQ(FrameBuffer::ReadPixel(107, 191), kRed);
    EXPECT_EQ(FrameBuffer::ReadPixel(112, 188), kClear);
    EXPECT_EQ(FrameBuffer::ReadPixel(104, 196), kClear);
    EXPECT_EQ(FrameBuffer::ReadPixel(104, 183), kClear);
}

TEST_F(TextDrawing, PenAdvances12PixelsAndNewlinesReturnToTheOrigin)
{
    CFont font;
    font.x = 100;
    font.y = 200;
    font.Draw("\xE9\xE9\n\xE9");

    EXPECT_EQ(FrameBuffer::ReadPixel(117, 188), kWhite);  // second glyph
    EXPECT_EQ(FrameBuffer::ReadPixel(120, 188), kClear);
    EXPECT_EQ(FrameBuffer::ReadPixel(104, 210), kWhite);  // next line, 22 lower
    EXPECT_EQ(FrameBuffer::ReadPixel(116, 210), kClear);
}

TEST_F(TextDrawing, FontWithoutSheetAdoptsTheDefaultOnItsFirstDrawAndKeepsIt)
{
    CFont font;
    font.Draw("");
    EXPECT_EQ(font.texture, 0u);
    font.Draw("a");
    EXPECT_EQ(font.texture, kGlyphSheet);
    defaultFontTexture = 77;
    font.Draw("a");
    EXPECT_EQ(font.texture, kGlyphSheet);
}

TEST_F(TextDrawing, TextBoxDrawsOnlyTheCharactersTypedSoFar)
{
    CTextBox box;
    box.backColor = CColor(0.4f, 0.1f, 0.2f, 1);
    box.SetRect(50, 352, 540, 105);
    box.ShowText("aaaa");
    box.ShowInstantly();
    box.shownChars = 2;
    box.Draw();

    // Glyphs at 60..75 and 72..87, on the first line (362..377).
    EXPECT_EQ(FrameBuffer::ReadPixel(80, 370), kWhite);
    EXPECT_NE(FrameBuffer::ReadPixel(95, 370), kWhite);
    EXPECT_NE(FrameBuffer::ReadPixel(95, 370), kClear);
}

TEST_F(TextDrawing, TextBoxWithoutPagesDrawsOnlyItsFrame)
{
    CTextBox box;
    box.backColor = CColor(0.4f, 0.1f, 0.2f, 1);
    box.SetRect(50, 352, 540, 105);
    box.ShowInstantly();
    box.shownChars = 3;
    box.Draw();
    EXPECT_NE(FrameBuffer::ReadPixel(65, 370), kWhite);
    EXPECT_NE(FrameBuffer::ReadPixel(65, 370), kClear);
}

TEST_F(TextDrawing, DialogueShowsPortraitAndIndentedLabel)
{
    CDialogBox box;
    box.backColor = CColor(0.4f, 0.1f, 0.2f, 1);
    box.SetRect(50, 352, 540, 105);
    box.portrait.SetRect(10, 362, 48, 48);
    box.portrait.backColor = CColor(0.8f, 0.8f, 0.8f, 1);
    CPerso al;
    al.name = "Al";
    al.texture = kCharacterSheet;
    box.SetSpeaker(&al);
    box.ShowText("Hi");
    box.ShowInstantly();
    box.Draw();

    // The portrait area of the sheet fills the inside of the portrait frame.
    EXPECT_EQ(FrameBuffer::ReadPixel(13, 364), kGreen);
    EXPECT_EQ(FrameBuffer::ReadPixel(34, 386), kGreen);
    EXPECT_EQ(FrameBuffer::ReadPixel(56, 408), kGreen);
    EXPECT_EQ(FrameBuffer::ReadPixel(5, 386), kClear);
    // The label starts 20 pixels inside the box instead of 10.
    EXPECT_NE(FrameBuffer::ReadPixel(65, 370), kWhite);
    EXPECT_EQ(FrameBuffer::ReadPixel(72, 370), kWhite);
}
