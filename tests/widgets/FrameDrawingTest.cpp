#include "WidgetDrawingFixture.h"

#include <cmath>

#include "widgets/CImage.h"
#include "widgets/CMenuBase.h"

namespace {

// The background gradient at the centre of pixel row `row` of a frame whose
// top edge is `top` and height `height`.
Rgba GradientAt(const CColor& back, int top, int height, int row)
{
    const float t = (row + 0.5f - top) / height;
    auto channel = [t](float c) {
        return static_cast<std::uint8_t>(std::lround((c + 0.2f * t) * 255.0f));
    };
    return Rgba{channel(back.r), channel(back.g), channel(back.b), 255};
}

}  // namespace

using FrameDrawing = WidgetDrawingTest;

TEST_F(FrameDrawing, ClosedWidgetDrawsNothing)
{
    CMenuBase widget;
    widget.SetRect(100, 100, 200, 100);
    widget.Draw();
    EXPECT_EQ(FrameBuffer::ReadPixel(150, 150), kClear);
    EXPECT_EQ(FrameBuffer::ReadPixel(100, 100), kClear);
}

TEST_F(FrameDrawing, BackgroundGetsLighterBy02TowardsTheBottom)
{
    CMenuBase widget;
    widget.backColor = CColor(0.4f, 0.1f, 0.2f, 1);
    widget.SetRect(100, 100, 200, 100);
    widget.ShowInstantly();
    widget.Draw();

    for (int row : {103, 150, 198})
        EXPECT_TRUE(FrameBuffer::ReadPixel(200, row).Near(GradientAt(widget.backColor, 100, 100, row)))
            << "row " << row << ": " << FrameBuffer::ReadPixel(200, row);
    // Top and bottom edges of the fill.
    EXPECT_TRUE(FrameBuffer::ReadPixel(200, 103).Near(Rgba{102, 26, 51, 255}, 3));
    EXPECT_TRUE(FrameBuffer::ReadPixel(200, 198).Near(Rgba{153, 77, 102, 255}, 3));
}

TEST_F(FrameDrawing, OutlineIsWhiteAndShadowBlack)
{
    CMenuBase widget;
    widget.backColor = CColor(0.4f, 0.1f, 0.2f, 1);
    widget.SetRect(100, 100, 200, 100);
    widget.ShowInstantly();
    widget.Draw();

    // Where a line on a pixel edge lands is up to the rasteriser: look at
    // both neighbours.
    auto column = [](int x0, int y) {
        return std::vector<Rgba>{FrameBuffer::ReadPixel(x0, y), FrameBuffer::ReadPixel(x0 + 1, y)};
    };
    const Rgba white{255, 255, 255, 255};
    const Rgba black{0, 0, 0, 255};
    auto has = [](const std::vector<Rgba>& pixels, const Rgba& colour) {
        return pixels[0] == colour || pixels[1] == colour;
    };
    EXPECT_TRUE(has(column(299, 150), white));  // right edge
    EXPECT_TRUE(has(column(99, 150), white));   // left edge
    EXPECT_TRUE(has(column(100, 150), black));  // shadow, one pixel inside
    EXPECT_FALSE(has(column(298, 150), black));  // no shadow on the right
}

TEST_F(FrameDrawing, HalfOpenBoxCoversExactlyItsScaledRectangle)
{
    CMenuBase widget;
    widget.backColor = CColor(0.4f, 0.1f, 0.2f, 1);
    // An invisible outline leaves the fill's own edges to be seen.
    widget.borderColor = CColor(1, 1, 1, 0);
    widget.SetRect(50, 352, 540, 105);
    widget.state = WidgetState::Opening;
    widget.progress = 128;
    widget.Draw();

    // Covers (50, 352) to (321, 404): pixels 50..320 and 352..403.
    EXPECT_EQ(FrameBuffer::ReadPixel(49, 380), kClear);
    EXPECT_NE(FrameBuffer::ReadPixel(50, 380), kClear);
    EXPECT_NE(FrameBuffer::ReadPixel(320, 380), kClear);
    EXPECT_EQ(FrameBuffer::ReadPixel(321, 380), kClear);
    EXPECT_EQ(FrameBuffer::ReadPixel(200, 351), kClear);
    EXPECT_NE(FrameBuffer::ReadPixel(200, 352), kClear);
    EXPECT_NE(FrameBuffer::ReadPixel(200, 403), kClear);
    EXPECT_EQ(FrameBuffer::ReadPixel(200, 404), kClear);
}

TEST_F(FrameDrawing, ImageShowsItsTextureAreaUprightInsideTheFrame)
{
    CImage image;
    image.textureId = kCharacterSheet;
    image.texRect = CTexRect(0, 1, 1, 1);
    image.SetRect(100, 100, 64, 64);
    image.ShowInstantly();
    image.Draw();

    const Rgba red{255, 0, 0, 255};
    const Rgba green{0, 255, 0, 255};
    const Rgba blue{0, 0, 255, 255};
    // Picture from (102, 101) to (163, 163), the sheet's top row at the top.
    EXPECT_EQ(FrameBuffer::ReadPixel(155, 110), green);
    EXPECT_EQ(FrameBuffer::ReadPixel(103, 102), red);
    EXPECT_EQ(FrameBuffer::ReadPixel(161, 140), red);
    EXPECT_EQ(FrameBuffer::ReadPixel(103, 161), blue);
    EXPECT_EQ(FrameBuffer::ReadPixel(161, 161), blue);
    // The picture leaves the frame's left edge and shadow visible.
    EXPECT_NE(FrameBuffer::ReadPixel(100, 130), red);
    EXPECT_EQ(FrameBuffer::ReadPixel(102, 130), red);
}

TEST_F(FrameDrawing, InvisibleImageDrawsNeitherPictureNorFrame)
{
    CImage image;
    image.textureId = kCharacterSheet;
    image.texRect = CTexRect(0, 1, 1, 1);
    image.SetRect(100, 100, 64, 64);
    image.ShowInstantly();
    image.visible = false;
    image.Draw();
    EXPECT_EQ(FrameBuffer::ReadPixel(130, 130), kClear);
    EXPECT_EQ(FrameBuffer::ReadPixel(100, 100), kClear);
}
