#include <gtest/gtest.h>

#include <GL/gl.h>

#include <memory>
#include <vector>

#include "MapFolder.h"
#include "support/MapFileBuilder.h"
#include "support/FrameBuffer.h"
#include "support/TestWindow.h"
#include "world/CMap.h"
#include "world/Direction.h"
#include "world/MapDrawing.h"

namespace {

const Rgba kBackground{0, 0, 0, 255};

// Uploads RGBA pixels, given top row first as a picture is seen, under a
// chosen texture name. Textures hold the bottom row first, as the engine's
// picture reader stores them.
void UploadPicture(GLuint name, int width, int height, const std::vector<Rgba>& topDown)
{
    std::vector<Rgba> bottomUp(topDown.size());
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            bottomUp[std::size_t(height - 1 - y) * width + x] = topDown[std::size_t(y) * width + x];
    glBindTexture(GL_TEXTURE_2D, name);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, 4, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
}

void UploadSolid(GLuint name, Rgba colour)
{
    UploadPicture(name, 2, 2, std::vector<Rgba>(4, colour));
}

// A 512 x 512 tile sheet, one texel per screen pixel: the texel at (dx, dy)
// of cell c is (c, 8 dy, 8 dx), so a drawn tile tells which cell it came
// from and that it is neither flipped nor stretched.
const GLuint kSheet = 9;
void UploadTileSheet()
{
    std::vector<Rgba> pixels(512 * 512);
    for (int y = 0; y < 512; ++y)
        for (int x = 0; x < 512; ++x) {
            const int cell = (y / 32) * 16 + x / 32;
            pixels[std::size_t(y) * 512 + x] =
                Rgba{std::uint8_t(cell), std::uint8_t((y % 32) * 8), std::uint8_t((x % 32) * 8), 255};
        }
    UploadPicture(kSheet, 512, 512, pixels);
}

Rgba SheetTexel(int cell, int dx, int dy)
{
    return Rgba{std::uint8_t(cell), std::uint8_t(dy * 8), std::uint8_t(dx * 8), 255};
}

// A 128 x 128 sprite sheet: four rows of 32 texels, frames 24 texels wide.
// Each frame is filled with (40 + 50 frame, 60 row-from-top, 200).
const GLuint kSprites = 11;
void UploadSpriteSheet()
{
    std::vector<Rgba> pixels(128 * 128);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x)
            pixels[std::size_t(y) * 128 + x] =
                Rgba{std::uint8_t(40 + 50 * (x / 24)), std::uint8_t(60 * (y / 32)), 200, 255};
    UploadPicture(kSprites, 128, 128, pixels);
}

class Drawing : public ::testing::Test {
protected:
    static void SetUpTestSuite() { window = std::make_unique<TestWindow>(); }
    static void TearDownTestSuite() { window.reset(); }

    void SetUp() override
    {
        if (!window->IsOpen())
            GTEST_SKIP() << "no display for an OpenGL window";
        window->Clear(0, 0, 0);
        map.SetViewSize(&window->Width(), &window->Height());
    }

    void Load(const MapFileBuilder& builder)
    {
        folder.WriteMap("m", builder.Bytes());
        ASSERT_TRUE(map.LoadMap("m"));
    }

    // The whole 32 x 32 square at (x, y) equals the given tile cell.
    static void ExpectCell(int x, int y, int cell)
    {
        std::vector<Rgba> square = FrameBuffer::ReadRegion(x, y, 32, 32);
        for (int dy = 0; dy < 32; ++dy)
            for (int dx = 0; dx < 32; ++dx)
                ASSERT_EQ(square[std::size_t(dy) * 32 + dx], SheetTexel(cell, dx, dy))
                    << "cell " << cell << " at " << x + dx << ", " << y + dy;
    }

    static std::unique_ptr<TestWindow> window;
    MapFolder folder;
    CMap map;
};

std::unique_ptr<TestWindow> Drawing::window;

}  // namespace

TEST_F(Drawing, TileCellsComeFromTheirPlaceInTheSheet)
{
    UploadTileSheet();
    glEnable(GL_TEXTURE_2D);
    DrawTile(MapTile{kSheet, 0}, 0, 0);
    DrawTile(MapTile{kSheet, 17}, 100, 40);
    DrawTile(MapTile{kSheet, 255}, 608, 448);
    DrawTile(MapTile{kSheet, 15}, 200, 200);
    DrawTile(MapTile{0, 17}, 300, 300);  // texture 0: nothing
    glDisable(GL_TEXTURE_2D);
    ExpectCell(0, 0, 0);
    ExpectCell(100, 40, 17);
    ExpectCell(608, 448, 255);
    ExpectCell(200, 200, 15);
    EXPECT_EQ(FrameBuffer::ReadPixel(316, 316), kBackground);
    EXPECT_EQ(FrameBuffer::ReadPixel(132, 40), kBackground) << "a tile is 32 pixels wide";
}

TEST_F(Drawing, LayersStackAndEmptyTilesShowWhatIsBelow)
{
    UploadTileSheet();
    MapFileBuilder builder(20, 15, 4);
    for (int x = 0; x < 20; ++x)
        for (int y = 0; y < 15; ++y)
            builder.Tile(0, x, y, kSheet, 1);
    builder.Tile(1, 2, 1, kSheet, 2).Tile(2, 3, 1, kSheet, 3).Tile(3, 4, 1, kSheet, 4);
    builder.Tile(1, 5, 1, kSheet, 2).Tile(2, 5, 1, kSheet, 3);
    Load(builder);
    map.CenterOn(0, 0);
    map.DrawMapLayer(0);
    map.DrawMapLayer(1);
    map.DrawMapLayer(2);
    map.DrawMapLayer(7);  // no such layer
    ExpectCell(0, 32, 1);
    ExpectCell(64, 32, 2);
    ExpectCell(96, 32, 3);
    {
        SCOPED_TRACE("layer 3 is not drawn");
        ExpectCell(128, 32, 1);
    }
    {
        SCOPED_TRACE("the later layer covers the earlier");
        ExpectCell(160, 32, 3);
    }
    ExpectCell(608, 448, 1);
}

TEST_F(Drawing, NoMapDrawsNoTiles)
{
    UploadTileSheet();
    MapFileBuilder builder(20, 15, 1);
    builder.Tile(0, 0, 0, kSheet, 1);
    Load(builder);
    EXPECT_FALSE(map.LoadMap("missing"));
    map.DrawMapLayer(0);
    EXPECT_EQ(FrameBuffer::ReadPixel(5, 5), kBackground);
}

TEST_F(Drawing, NarrowMapIsDrawnCentred)
{
    UploadSolid(5, Rgba{0, 255, 0, 255});
    MapFileBuilder builder(10, 5, 1);
    for (int x = 0; x < 10; ++x)
        for (int y = 0; y < 5; ++y)
            builder.Tile(0, x, y, 5, 0);
    Load(builder);
    map.CenterOn(9 * 32, 4 * 32);
    EXPECT_EQ(map.ScrollX(), 160);
    EXPECT_EQ(map.ScrollY(), 160);
    map.DrawMapLayer(0);
    const Rgba green{0, 255, 0, 255};
    EXPECT_EQ(FrameBuffer::ReadPixel(159, 200), kBackground);
    EXPECT_EQ(FrameBuffer::ReadPixel(160, 160), green);
    EXPECT_EQ(FrameBuffer::ReadPixel(479, 319), green);
    EXPECT_EQ(FrameBuffer::ReadPixel(480, 319), kBackground);
    EXPECT_EQ(FrameBuffer::ReadPixel(479, 320), kBackground);
}

TEST_F(Drawing, ScrolledToTheFarEndOfALargeMap)
{
    UploadTileSheet();
    MapFileBuilder builder(100, 100, 1);
    builder.Tile(0, 99, 99, kSheet, 200).Tile(0, 80, 85, kSheet, 201).Tile(0, 79, 84, kSheet, 202);
    Load(builder);
    map.CenterOn(3190, 3190);
    map.DrawMapLayer(0);
    ExpectCell(608, 448, 200);
    SCOPED_TRACE("the first visible tile sits exactly at the view's corner");
    ExpectCell(0, 0, 201);
    EXPECT_EQ(FrameBuffer::ReadPixel(320, 240), kBackground);
}

TEST_F(Drawing, HalfVisibleTilesAtAnOddScroll)
{
    UploadTileSheet();
    MapFileBuilder builder(100, 100, 1);
    builder.Tile(0, 49, 50, kSheet, 33).Tile(0, 69, 57, kSheet, 34).Tile(0, 50, 64, kSheet, 35);
    Load(builder);
    map.CenterOn(1578 + 320, 1584 + 240);
    ASSERT_EQ(map.ScrollX(), -1578);
    ASSERT_EQ(map.ScrollY(), -1584);
    map.DrawMapLayer(0);
    // Tile (49, 50) starts 10 pixels left of the view.
    EXPECT_EQ(FrameBuffer::ReadPixel(0, 16 + 3), SheetTexel(33, 10, 3));
    EXPECT_EQ(FrameBuffer::ReadPixel(21, 16 + 3), SheetTexel(33, 31, 3));
    // Tile (69, 57) shows its first 10 columns at the right edge.
    EXPECT_EQ(FrameBuffer::ReadPixel(639, 240 + 5), SheetTexel(34, 9, 5));
    // Tile (50, 64) shows its top 16 rows at the bottom edge.
    EXPECT_EQ(FrameBuffer::ReadPixel(22 + 3, 479), SheetTexel(35, 3, 15));
}

TEST_F(Drawing, SpriteFramesAndFacingRows)
{
    UploadSpriteSheet();
    CPerso c;
    c.texture = kSprites;
    c.tileX = 2;
    c.tileY = 1;
    c.offsetX = 3;
    c.offsetY = -4;
    for (int facing = 0; facing < 4; ++facing)
        for (int frame = 0; frame < 3; ++frame) {
            window->Clear(0, 0, 0);
            c.facing = std::uint16_t(facing);
            c.frame = float(frame) + 0.99f;  // the integer part is drawn
            DrawCharacter(c, 100, 50);
            const int left = 100 + 64 + 3, top = 50 + 32 - 4;
            const Rgba expected{std::uint8_t(40 + 50 * frame), std::uint8_t(60 * (3 - facing)), 200, 255};
            EXPECT_EQ(FrameBuffer::ReadPixel(left + 16, top + 16), expected)
                << "facing " << facing << " frame " << frame;
            EXPECT_EQ(FrameBuffer::ReadPixel(left, top), expected);
            EXPECT_EQ(FrameBuffer::ReadPixel(left + 31, top + 31), expected);
            EXPECT_EQ(FrameBuffer::ReadPixel(left - 1, top + 16), kBackground);
            EXPECT_EQ(FrameBuffer::ReadPixel(left + 32, top + 16), kBackground);
            EXPECT_EQ(FrameBuffer::ReadPixel(left + 16, top + 32), kBackground);
        }
}

TEST_F(Drawing, CharactersInDepthOrderWithTheNpcOverTheHeroAtEqualDepth)
{
    const Rgba red{255, 0, 0, 255}, blue{0, 0, 255, 255}, white{255, 255, 255, 255};
    UploadSolid(21, red);   // NPC sprites
    UploadSolid(22, blue);  // hero sprites
    UploadSolid(23, white); // roof tiles
    MapFileBuilder::Npc level;
    level.identifier = 1;
    level.texture = 21;
    level.tileX = 3;
    level.tileY = 3;
    MapFileBuilder::Npc above = level;
    above.identifier = 2;
    above.tileX = 8;
    above.tileY = 2;
    MapFileBuilder builder(20, 15, 3);
    builder.AddNpc(level).AddNpc(above).Tile(2, 12, 3, 23, 0);
    Load(builder);
    CHero& sameDepth = map.AddHero(1, "A", 22);
    sameDepth.tileX = 3;
    sameDepth.tileY = 3;
    sameDepth.offsetX = 10;
    CHero& below = map.AddHero(2, "B", 22);
    below.tileX = 8;
    below.tileY = 2;
    below.offsetY = 5;
    below.offsetX = 10;
    CHero& underRoof = map.AddHero(3, "C", 22);
    underRoof.tileX = 12;
    underRoof.tileY = 3;

    map.CenterOn(0, 0);
    map.DrawMapLayer(0);
    map.DrawMapLayer(1);
    map.DrawCharacters();
    map.DrawMapLayer(2);
    EXPECT_EQ(FrameBuffer::ReadPixel(96 + 20, 96 + 10), red) << "NPC over the hero at equal depth";
    EXPECT_EQ(FrameBuffer::ReadPixel(96 + 5, 96 + 10), red);
    EXPECT_EQ(FrameBuffer::ReadPixel(96 + 35, 96 + 10), blue);
    EXPECT_EQ(FrameBuffer::ReadPixel(256 + 20, 64 + 20), blue) << "the lower character covers the upper";
    EXPECT_EQ(FrameBuffer::ReadPixel(256 + 5, 64 + 2), red);
    EXPECT_EQ(FrameBuffer::ReadPixel(384 + 16, 96 + 16), white) << "layer 2 covers characters";
}
