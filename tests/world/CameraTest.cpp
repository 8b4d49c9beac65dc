#include <gtest/gtest.h>

#include "MapFolder.h"
#include "support/MapFileBuilder.h"
#include "world/CMap.h"
#include "world/CharacterKind.h"
#include "world/VisibleTiles.h"

TEST(VisibleTiles, MatchesTheTileByTileTestForEveryScroll)
{
    // Drawing only the span must show exactly the tiles that the per-tile
    // test scroll + 32 i in (-32, view) accepts.
    for (int count : {0, 1, 7, 40}) {
        for (int view : {0, 1, 31, 32, 33, 480, 640}) {
            for (int scroll = -1400; scroll <= 700; ++scroll) {
                const TileSpan span = VisibleTiles(scroll, view, count);
                for (int i = 0; i < count; ++i) {
                    const int screen = scroll + 32 * i;
                    const bool shown = screen > -32 && screen < view;
                    const bool inSpan = i >= span.first && i < span.end;
                    ASSERT_EQ(inSpan, shown) << "count " << count << " view " << view << " scroll "
                                             << scroll << " tile " << i;
                }
            }
        }
    }
}

namespace {

class Camera : public ::testing::Test {
protected:
    void Load(int width, int height)
    {
        folder.WriteMap("m", MapFileBuilder(std::uint16_t(width), std::uint16_t(height), 1).Bytes());
        ASSERT_TRUE(map.LoadMap("m"));
        map.SetViewSize(&viewWidth, &viewHeight);
    }

    MapFolder folder;
    CMap map;
    std::int32_t viewWidth = 640;
    std::int32_t viewHeight = 480;
};

}  // namespace

TEST_F(Camera, WideMapClampsAtBothEnds)
{
    Load(100, 100);
    map.CenterOn(0, 0);
    EXPECT_EQ(map.ScrollX(), 0);
    EXPECT_EQ(map.ScrollY(), 0);
    map.CenterOn(3190, 3190);
    EXPECT_EQ(map.ScrollX(), 640 - 3200);
    EXPECT_EQ(map.ScrollY(), 480 - 3200);
    map.CenterOn(1000, 700);
    EXPECT_EQ(map.ScrollX(), 320 - 1000);
    EXPECT_EQ(map.ScrollY(), 240 - 700);
}

TEST_F(Camera, NarrowMapIsCentredWhereverTheHeroStands)
{
    Load(10, 30);
    for (int px : {0, 100, 319, 5000}) {
        map.CenterOn(px, 0);
        EXPECT_EQ(map.ScrollX(), 160) << px;
    }
    Load(30, 15);  // exactly the view's height: centred at 0
    map.CenterOn(0, 400);
    EXPECT_EQ(map.ScrollY(), 0);
    Load(30, 14);
    map.CenterOn(0, 400);
    EXPECT_EQ(map.ScrollY(), 16);
}

TEST_F(Camera, FollowsTheViewSizeItWasGiven)
{
    Load(100, 100);
    viewWidth = 320;
    map.CenterOn(1000, 0);
    EXPECT_EQ(map.ScrollX(), 160 - 1000);
    map.SetViewSize(nullptr, nullptr);
    EXPECT_EQ(map.ViewWidth(), 640);
    EXPECT_EQ(map.ViewHeight(), 480);
}

TEST_F(Camera, CentresOnACharactersTopLeftPixel)
{
    Load(100, 100);
    CHero& hero = map.AddHero(2, "H", 0);
    hero.tileX = 40;
    hero.offsetX = 5;
    hero.tileY = 30;
    hero.offsetY = -3;
    map.CenterOnCharacter(CharacterKind::kHero, 2);
    EXPECT_EQ(map.ScrollX(), 320 - 1285);
    EXPECT_EQ(map.ScrollY(), 240 - 957);

    testing::internal::CaptureStdout();
    map.CenterOnCharacter(CharacterKind::kHero, 3);
    map.CenterOnCharacter(CharacterKind::kNpc, 2);
    map.CenterOnCharacter(0, 2);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(map.ScrollX(), 320 - 1285) << "nothing found, nothing moves";
}
