#include <gtest/gtest.h>

#include <GL/gl.h>

#include <memory>
#include <string>
#include <tuple>

#include "support/FrameBuffer.h"
#include "support/TestTexture.h"
#include "support/TestWindow.h"
#include "widgets/CChoiceBox.h"
#include "widgets/CInputBox.h"
#include "widgets/DefaultFontTexture.h"
#include "world/CPerso.h"

namespace {

const Rgba kClear{0, 128, 128, 255}, kWhite{255, 255, 255, 255}, kRed{255, 0, 0, 255}, kGreen{0, 255, 0, 255},
    kBlue{0, 0, 255, 255};
const CColor kBoxColor(0.4f, 0.1f, 0.2f, 1);
const GLuint kGlyphSheet = 901, kCharacterSheet = 902;

// Draws widgets in the real game window and reads the back buffer, with two
// textures: a 256 x 256 glyph sheet, all opaque white except the cell of
// byte 0xE9 (column 9, row 14 from the top), where only the top-left 8 x 8
// quarter is inked; and a 64 x 64 character sheet, red with a green top-right
// 24 x 24 corner (the portrait) and a blue bottom band of 16 rows.
class Drawing : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!(window = std::make_unique<TestWindow>())->IsOpen())
            return;
        UploadTestTexture(kGlyphSheet, 256, [](int x, int y) {
            const bool inked = !(x / 16 == 9 && y / 16 == 14) || (x % 16 < 8 && y % 16 < 8);
            return Rgba{255, 255, 255, static_cast<std::uint8_t>(inked ? 255 : 0)};
        });
        UploadTestTexture(kCharacterSheet, 64, [](int x, int y) {
            return x >= 40 && y < 24 ? kGreen : y >= 48 ? kBlue : kRed;
        });
    }
    static void TearDownTestSuite()
    {
        const GLuint names[] = {kGlyphSheet, kCharacterSheet};
        if (window->IsOpen())
            glDeleteTextures(2, names);
        window.reset();
    }
    void SetUp() override
    {
        ASSERT_TRUE(window->IsOpen()) << "these tests need an X display (xvfb-run)";
        defaultFontTexture = kGlyphSheet;
        ClearScreen();
    }
    void TearDown() override { defaultFontTexture = 0; }
    static void ClearScreen() { window->Clear(kClear.r / 255.0f, kClear.g / 255.0f, kClear.b / 255.0f); }

    static std::unique_ptr<TestWindow> window;
};

std::unique_ptr<TestWindow> Drawing::window;

Rgba At(int x, int y)
{
    return FrameBuffer::ReadPixel(x, y);
}

// The marker and the scroll arrows are white at 70 % over the dark box.
bool Bright(int x, int y)
{
    return At(x, y).g > 150;
}

void SetUpChoice(CChoiceBox& box, int items, int rows)
{
    box.backColor = kBoxColor;
    box.SetRect(50, 300, 540, 0);
    box.SetText("Q");
    box.SetItemCount(items);
    box.SetVisibleRows(rows);  // 114 pixels high with one line and 4 rows
    for (std::string& item : box.items)
        item = "item";
    box.ShowInstantly();
}

}  // namespace

TEST_F(Drawing, FrameGradientAndExactScaledRectangle)
{
    CMenuBase frame;
    frame.SetRect(50, 352, 540, 105);
    frame.Draw();  // closed
    EXPECT_EQ(At(200, 380), kClear);

    frame.backColor = kBoxColor;  // (102, 26, 51) at the top, 0.2 more at the bottom
    frame.ShowInstantly();
    frame.Draw();
    EXPECT_TRUE(At(200, 355).Near(Rgba{104, 28, 53, 255})) << At(200, 355);
    EXPECT_TRUE(At(200, 455).Near(Rgba{152, 77, 101, 255})) << At(200, 455);
    // A white outline on the rectangle's edges and a black shadow just inside
    // its top and left ones (lines at a column x are drawn on column x - 1).
    const Rgba kBlack{0, 0, 0, 255};
    for (auto [x, y, colour] : {std::tuple{200, 352, kWhite}, {49, 400, kWhite}, {589, 400, kWhite},
                                {200, 457, kWhite}, {200, 353, kBlack}, {50, 400, kBlack}})
        EXPECT_EQ(At(x, y), colour) << x << ", " << y;

    ClearScreen();
    frame.borderColor = CColor(1, 1, 1, 0);  // leaves the fill's own edges
    frame.progress = 128;                    // covers (50, 352) to (321, 404)
    frame.Draw();
    for (auto [x, y, drawn] : {std::tuple{49, 380, false}, {50, 380, true}, {320, 380, true}, {321, 380, false},
                               {200, 351, false}, {200, 403, true}, {200, 404, false}})
        EXPECT_EQ(At(x, y) != kClear, drawn) << x << ", " << y;
}

TEST_F(Drawing, ImageShowsItsPictureUprightInsideItsFrame)
{
    CImage image;
    image.textureId = kCharacterSheet;
    image.texRect = CTexRect(0, 1, 1, 1);
    image.SetRect(100, 100, 64, 64);  // the picture covers (102, 101) to (162, 162)
    image.ShowInstantly();
    image.Draw();
    EXPECT_EQ(At(155, 110), kGreen);
    // Inset so that the outline and the shadow stay visible around it.
    for (auto [x, y, inside] : {std::tuple{102, 130, true}, {101, 130, false}, {130, 101, true},
                                {130, 100, false}, {162, 130, true}, {163, 130, false}})
        EXPECT_EQ(At(x, y) == kRed, inside) << x << ", " << y;
    EXPECT_EQ(At(130, 162), kBlue);
    EXPECT_NE(At(130, 163), kBlue);

    ClearScreen();
    image.visible = false;
    image.Draw();
    EXPECT_EQ(At(130, 130), kClear);
}

TEST_F(Drawing, GlyphOfByteE9ComesFromColumn9Row14InTheFontsColour)
{
    CFont font;
    font.SetColor(3);
    font.x = 100;
    font.y = 200;
    font.Draw("\xE9\xE9\n\xE9");
    // Only the cell's top-left quarter is inked; glyphs stand on the pen,
    // 12 pixels apart and lines 22 pixels apart.
    for (auto [x, y, inked] : {std::tuple{100, 184, true}, {107, 191, true}, {110, 188, false}, {104, 196, false},
                               {117, 188, true}, {104, 210, true}, {116, 210, false}})
        EXPECT_EQ(At(x, y), inked ? kRed : kClear) << x << ", " << y;

    EXPECT_EQ(font.texture, kGlyphSheet);  // adopted from the default, and kept
    defaultFontTexture = 77;
    font.Draw("a");
    EXPECT_EQ(font.texture, kGlyphSheet);
}

TEST_F(Drawing, DialogueShowsPortraitLabelAndTheTypedCharactersOnly)
{
    CDialogBox box;
    box.backColor = kBoxColor;
    box.SetRect(50, 352, 540, 105);
    box.portrait.SetRect(10, 362, 48, 48);
    box.portrait.backColor = CColor(0.8f, 0.8f, 0.8f, 1);
    CPerso al;
    al.name = "Al";
    al.texture = kCharacterSheet;
    box.SetSpeaker(&al);
    box.ShowText("aaaa");
    box.ShowInstantly();
    box.shownChars = 0;
    box.Draw();
    EXPECT_NE(At(72, 370), kWhite) << "no label before the first character is typed";
    box.shownChars = 2;
    box.Draw();

    EXPECT_EQ(At(13, 364), kGreen);  // the portrait area fills the frame
    EXPECT_EQ(At(56, 408), kGreen);
    // "Al: aa" from x = 70, glyphs 12 pixels apart.
    for (auto [x, typed] : {std::pair{65, false}, {72, true}, {140, true}, {155, false}})
        EXPECT_EQ(At(x, 370) == kWhite, typed) << x;
}

TEST_F(Drawing, ChoiceMarkerStandsBesideTheSelectedRowOnceOpen)
{
    CChoiceBox box;
    SetUpChoice(box, 5, 4);
    box.SetSelected(2);
    box.state = WidgetState::Typing;
    box.Draw();
    EXPECT_NE(At(90, 336), kWhite);

    box.state = WidgetState::Open;
    box.Draw();
    EXPECT_EQ(At(90, 336), kWhite);  // items, 25 pixels in
    // Row 2's marker covers 379..389; with item 4 selected, items 1 to 4 are
    // shown and the marker is on the last row.
    auto marker = [] { return std::tuple{Bright(73, 362), Bright(73, 384), Bright(73, 406)}; };
    EXPECT_EQ(marker(), std::tuple(false, true, false));
    ClearScreen();
    box.SetSelected(4);
    box.Draw();
    EXPECT_EQ(marker(), std::tuple(false, false, true));

    CChoiceBox empty;
    SetUpChoice(empty, 0, 4);
    ClearScreen();
    empty.Draw();
    EXPECT_EQ(empty.selected, -1);
    EXPECT_NE(At(90, 336), kWhite);

    CChoiceBox stale;  // scrolled before its first item, counting past its array
    SetUpChoice(stale, 2, 4);
    stale.firstVisible = -2;
    stale.itemCount = 6;
    stale.Draw();
    EXPECT_EQ(At(90, 336), kWhite);
}

TEST_F(Drawing, ScrollArrowsBlinkFifteenFramesOnAndOff)
{
    CChoiceBox box;
    SetUpChoice(box, 5, 4);
    auto frames = [&](CChoiceBox& drawn, int count) {
        for (int i = 0; i < count; ++i) {
            ClearScreen();
            drawn.Draw();
        }
        return std::make_pair(Bright(320, 409), Bright(320, 305));  // down, up
    };
    EXPECT_EQ(frames(box, 14), std::make_pair(false, false));
    EXPECT_EQ(frames(box, 1), std::make_pair(true, false));
    EXPECT_EQ(frames(box, 14), std::make_pair(true, false));
    EXPECT_EQ(frames(box, 1), std::make_pair(false, false));
    box.SetSelected(4);
    EXPECT_EQ(frames(box, 15), std::make_pair(false, true));

    CChoiceBox fits;
    SetUpChoice(fits, 3, 3);
    frames(fits, 15);
    EXPECT_TRUE(fits.blinkOn);
    EXPECT_FALSE(Bright(320, 387));  // where a down arrow would be: 384..394
}

TEST_F(Drawing, InputFieldShowsAtMostMaxLengthCharacters)
{
    CInputBox box;
    box.backColor = kBoxColor;
    box.SetRect(50, 352, 540, 105);
    box.SetText("Name?");
    box.SetInputType(4);
    for (char c : std::string("abcdefghijklmnopqrstuvwxy"))
        box.AddChar(c);
    box.inputFont.SetColor(6);
    box.ShowInstantly();
    box.Draw();

    // Field at (85, 400), 246 x 22; character i at 88 + 12 i.
    const Rgba yellow{255, 255, 0, 255};
    EXPECT_EQ(At(320, 410), yellow);  // the 20th
    EXPECT_NE(At(340, 410), yellow);  // where the 21st would be
    const Rgba box_ = At(345, 410);
    auto overlay = [](std::uint8_t under) {
        return static_cast<std::uint8_t>(0.3f * 255 + 0.7f * under + 0.5f);
    };
    EXPECT_TRUE(At(87, 410).Near(Rgba{overlay(box_.r), overlay(box_.g), overlay(box_.b), 255}, 3));
}
