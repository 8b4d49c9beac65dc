#include "WorldTest.h"

#include <GL/gl.h>

#include "support/FrameBuffer.h"
#include "support/TestTexture.h"
#include "support/TestWindow.h"
#include "world/MapDrawing.h"

namespace {

const Rgba kBackground{0, 0, 0, 255}, kRed{255, 0, 0, 255}, kBlue{0, 0, 255, 255};
const GLuint kSheet = 9, kSprites = 11, kRedTexture = 21, kBlueTexture = 22;

// The 512 x 512 tile sheet has one texel per screen pixel: the texel at
// (dx, dy) of cell c is (c, 8 dy, 8 dx), so a drawn tile tells which cell it
// came from and that it is neither flipped nor stretched.
Rgba SheetTexel(int cell, int dx, int dy)
{
    return Rgba{std::uint8_t(cell), std::uint8_t(dy * 8), std::uint8_t(dx * 8), 255};
}
// The 128 x 128 sprite sheet has four rows of 32 texels and frames 24
// texels wide, each filled with one colour.
Rgba SpriteTexel(int frame, int rowFromTop)
{
    return Rgba{std::uint8_t(40 + 50 * frame), std::uint8_t(60 * rowFromTop), 200, 255};
}

class Drawing : public MapTest {
protected:
    static void SetUpTestSuite()
    {
        if (!(window = std::make_unique<TestWindow>())->IsOpen())
            return;
        UploadTestTexture(kSheet, 512, [](int x, int y) { return SheetTexel((y / 32) * 16 + x / 32, x % 32, y % 32); });
        UploadTestTexture(kSprites, 128, [](int x, int y) { return SpriteTexel(x / 24, y / 32); });
        UploadTestTexture(kRedTexture, 2, [](int, int) { return kRed; });
        UploadTestTexture(kBlueTexture, 2, [](int, int) { return kBlue; });
    }
    static void TearDownTestSuite()
    {
        const GLuint names[] = {kSheet, kSprites, kRedTexture, kBlueTexture};
        if (window->IsOpen())
            glDeleteTextures(4, names);
        window.reset();
    }

    void SetUp() override
    {
        if (!window->IsOpen())
            GTEST_SKIP() << "no display for an OpenGL window";
        window->Clear(0, 0, 0);
        map.SetViewSize(&window->Width(), &window->Height());
    }

    // The whole 32 x 32 square at (x, y) shows the given tile cell.
    static void ExpectCell(int x, int y, int cell)
    {
        std::vector<Rgba> square = FrameBuffer::ReadRegion(x, y, 32, 32);
        for (int i = 0; i < 32 * 32; ++i)
            ASSERT_EQ(square[i], SheetTexel(cell, i % 32, i / 32))
                << "cell " << cell << " at " << x + i % 32 << ", " << y + i / 32;
    }

    static std::unique_ptr<TestWindow> window;
};

std::unique_ptr<TestWindow> Drawing::window;

}  // namespace

TEST_F(Drawing, TileCellsAndLayersInOrderWithTextureZeroTransparent)
{
    MapFileBuilder builder(20, 15, 4);
    for (int x = 0; x < 20; ++x)
        for (int y = 0; y < 15; ++y)
            builder.Tile(0, x, y, kSheet, 1);
    builder.Tile(0, 0, 0, kSheet, 0).Tile(0, 19, 14, kSheet, 255).Tile(1, 0, 3, kSheet, 15).Tile(1, 2, 1, kSheet, 17);
    builder.Tile(2, 3, 1, kSheet, 240).Tile(3, 4, 1, kSheet, 4).Tile(1, 5, 1, kSheet, 2).Tile(2, 5, 1, kSheet, 3);
    Load(builder);
    map.CenterOn(0, 0);
    for (int layer : {0, 1, 2, 7})  // there is no layer 7
        map.DrawMapLayer(layer);
    ExpectCell(0, 0, 0);        // the sheet's top-left cell
    ExpectCell(608, 448, 255);  // its bottom-right cell, in the view's corner
    ExpectCell(0, 96, 15);      // top-right
    ExpectCell(96, 32, 240);    // bottom-left
    ExpectCell(64, 32, 17);
    ExpectCell(128, 32, 1);  // layer 3 is not drawn; texture 0 on layers 1 and 2 shows layer 0
    ExpectCell(160, 32, 3);  // the later layer covers the earlier

    window->Clear(0, 0, 0);
    EXPECT_FALSE(map.LoadMap("missing"));
    map.DrawMapLayer(0);
    EXPECT_EQ(FrameBuffer::ReadPixel(5, 5), kBackground) << "no map draws no tiles";
}

TEST_F(Drawing, ScrolledOrCentredTilesAreCutAtTheViewsEdges)
{
    Load(MapFileBuilder(100, 100, 1).Tile(0, 49, 50, kSheet, 33).Tile(0, 69, 57, kSheet, 34).Tile(0, 50, 64, kSheet, 35));
    map.CenterOn(1578 + 320, 1584 + 240);
    map.DrawMapLayer(0);
    // Tile (49, 50) starts 10 pixels left of the view.
    EXPECT_EQ(FrameBuffer::ReadPixel(0, 16 + 3), SheetTexel(33, 10, 3));
    EXPECT_EQ(FrameBuffer::ReadPixel(21, 16 + 3), SheetTexel(33, 31, 3));
    // Tile (69, 57) shows its first 10 columns at the right edge.
    EXPECT_EQ(FrameBuffer::ReadPixel(639, 240 + 5), SheetTexel(34, 9, 5));
    // Tile (50, 64) shows its top 16 rows at the bottom edge.
    EXPECT_EQ(FrameBuffer::ReadPixel(22 + 3, 479), SheetTexel(35, 3, 15));

    window->Clear(0, 0, 0);
    MapFileBuilder narrow(10, 5, 1);
    for (int x = 0; x < 10; ++x)
        for (int y = 0; y < 5; ++y)
            narrow.Tile(0, x, y, kSheet, 7);
    Load(narrow);
    map.CenterOn(9 * 32, 4 * 32);  // a narrow map is centred instead
    map.DrawMapLayer(0);  // 320 x 160 pixels from (160, 160)
    EXPECT_EQ(FrameBuffer::ReadPixel(160, 160), SheetTexel(7, 0, 0));
    EXPECT_EQ(FrameBuffer::ReadPixel(479, 319), SheetTexel(7, 31, 31));
    for (auto [x, y] : {std::pair{159, 200}, {480, 319}, {479, 320}, {300, 159}})
        EXPECT_EQ(FrameBuffer::ReadPixel(x, y), kBackground) << x << ", " << y;
}

TEST_F(Drawing, SpriteFramesAndFacingRows)
{
    CPerso c;
    c.texture = kSprites;
    Place(c, 2, 1, 3, -4);
    const int left = 100 + 64 + 3, top = 50 + 32 - 4;
    for (int facing = 0; facing < 4; ++facing)
        for (int frame = 0; frame < 3; ++frame) {
            SCOPED_TRACE(testing::Message() << "facing " << facing << " frame " << frame);
            window->Clear(0, 0, 0);
            c.facing = std::uint16_t(facing);
            c.frame = float(frame) + 0.99f;  // the integer part is drawn
            DrawCharacter(c, 100, 50);
            const Rgba expected = SpriteTexel(frame, 3 - facing);  // rows from the top: up, right, down, left
            EXPECT_EQ(FrameBuffer::ReadPixel(left, top), expected);
            EXPECT_EQ(FrameBuffer::ReadPixel(left + 31, top + 31), expected);
            for (auto [x, y] : {std::pair{left - 1, top + 16}, {left + 32, top + 16}, {left + 16, top + 32}})
                EXPECT_EQ(FrameBuffer::ReadPixel(x, y), kBackground) << x << ", " << y;
        }
}

TEST_F(Drawing, CharactersInDepthOrderWithTheNpcOverTheHeroAtEqualDepth)
{
    // NPCs are red, heroes blue. The map is larger than the view and
    // scrolled by (-64, -32): sprites move with it.
    Load(MapFileBuilder(30, 20, 1).AddNpc(MakeNpc(1, 3, 3, kRedTexture)).AddNpc(MakeNpc(2, 8, 2, kRedTexture)));
    Place(map.AddHero(1, "A", kBlueTexture), 3, 3, 10, 0);  // same depth as NPC 1
    Place(map.AddHero(2, "B", kBlueTexture), 8, 2, 10, 5);  // below NPC 2
    map.CenterOn(320 + 64, 240 + 32);
    map.DrawCharacters();
    auto at = [](int x, int y) { return FrameBuffer::ReadPixel(x - 64, y - 32); };
    EXPECT_EQ(at(96 + 20, 96 + 10), kRed) << "NPC over the hero at equal depth";
    EXPECT_EQ(at(96 + 5, 96 + 10), kRed);
    EXPECT_EQ(at(96 + 35, 96 + 10), kBlue);
    EXPECT_EQ(at(96 + 35 + 32, 96 + 10), kBackground);
    EXPECT_EQ(at(256 + 20, 64 + 20), kBlue) << "the lower character covers the upper";
    EXPECT_EQ(at(256 + 5, 64 + 2), kRed);
}
