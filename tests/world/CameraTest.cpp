#include "WorldTest.h"

#include "world/CharacterKind.h"
#include "world/VisibleTiles.h"

TEST(VisibleTiles, MatchesTheTileByTileTestForEveryScroll)
{
    // Drawing only the span must show exactly the tiles that the per-tile
    // test scroll + 32 i in (-32, view) accepts.
    for (int count : {0, 1, 7, 40})
        for (int view : {0, 1, 31, 32, 33, 480, 640})
            for (int scroll = -1400; scroll <= 700; ++scroll) {
                const TileSpan span = VisibleTiles(scroll, view, count);
                for (int i = 0; i < count; ++i)
                    ASSERT_EQ(i >= span.first && i < span.end, scroll + 32 * i > -32 && scroll + 32 * i < view)
                        << "count " << count << " view " << view << " scroll " << scroll << " tile " << i;
            }
}

using Camera = MapTest;

TEST_F(Camera, ClampsLargeMapsAndCentresNarrowOnes)
{
    const struct {
        int width, height, px, py, scrollX, scrollY;
    } cases[] = {
        {100, 100, 0, 0, 0, 0}, {100, 100, 3190, 3190, 640 - 3200, 480 - 3200},
        {100, 100, 1000, 700, 320 - 1000, 240 - 700}, {100, 100, 321, 241, -1, -1}, {100, 100, 319, 239, 0, 0},
        {10, 14, 0, 0, 160, 16}, {10, 14, 5000, 5000, 160, 16},
        {30, 15, 0, 400, 0, 0},  // exactly the view's height
    };
    for (const auto& c : cases) {
        Load(MapFileBuilder(std::uint16_t(c.width), std::uint16_t(c.height), 1));
        map.CenterOn(c.px, c.py);
        EXPECT_EQ(std::pair(map.ScrollX(), map.ScrollY()), std::pair(c.scrollX, c.scrollY))
            << c.width << " x " << c.height << " at " << c.px << ", " << c.py;
    }

    Place(map.AddHero(2, "H", 0), 40, 30, 5, -3);
    Load(MapFileBuilder(100, 100, 1));
    map.CenterOnCharacter(CharacterKind::kHero, 2);  // its sprite's top-left pixel
    EXPECT_EQ(std::pair(map.ScrollX(), map.ScrollY()), std::pair(320 - 1285, 240 - 957));
    testing::internal::CaptureStdout();
    map.CenterOnCharacter(CharacterKind::kHero, 3);
    map.CenterOnCharacter(CharacterKind::kNpc, 2);
    map.CenterOnCharacter(0, 2);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "NULL returned: 3\nNULL returned: 2\n");
    EXPECT_EQ(map.ScrollX(), 320 - 1285) << "nothing found, nothing moves";

    std::int32_t viewWidth = 320, viewHeight = 200;  // read whenever needed
    map.SetViewSize(&viewWidth, &viewHeight);
    viewWidth = 100;
    map.CenterOn(1000, 0);
    EXPECT_EQ(map.ScrollX(), 50 - 1000);
    map.SetViewSize(nullptr, nullptr);
    EXPECT_EQ((std::pair{map.ViewWidth(), map.ViewHeight()}), (std::pair{640, 480}));
}
