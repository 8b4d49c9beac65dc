#include <gtest/gtest.h>

#include "image/Texture.h"
#include "support/GameHarness.h"
#include "support/WorldFolder.h"

namespace {

const Rgba kRed{255, 0, 0, 255}, kGreen{0, 255, 0, 255}, kBlue{0, 0, 255, 255},
    kYellow{255, 255, 0, 255};

// The centre pixel of a tile of a map that fills the window exactly.
Rgba TileCentre(const GameHarness& run, int x, int y) { return run.Pixel(32 * x + 16, 32 * y + 16); }

}  // namespace

// The game draws layers 0 and 1, then the characters, then layer 2, and the
// fade over all of them.
TEST(GameMapDrawing, LayersCharactersAndFadeInFrameOrder)
{
    WorldFolder world;
    for (auto [file, colour] : {std::pair{"red.tga", kRed}, {"green.tga", kGreen}, {"blue.tga", kBlue},
                                {"hero.tga", kYellow}})
        world.SolidPicture(file, colour.r, colour.g, colour.b);

    MapFileBuilder field(20, 15, 3);
    field.Texture(1, "red.tga").Texture(2, "green.tga").Texture(3, "blue.tga");
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 20; ++x)
            field.Tile(0, x, y, 1, 0);
    field.Tile(1, 2, 2, 2, 17).Tile(2, 5, 5, 3, 255);
    world.Map("field", field);

    GameHarness run(world.Path());
    run.Start();
    CGame& game = run.Game();
    ASSERT_TRUE(game.map.LoadMap("field"));
    for (const auto& texture : game.map.Textures())
        ASSERT_EQ(LoadTextureInto(game.scratchImage, "tga\\" + texture.file, texture.name, 0), 0);
    for (int tile : {8, 5}) {
        CHero& hero = game.map.AddHero(tile, "Ayla", 4);
        hero.tileX = hero.tileY = tile;
    }
    ASSERT_EQ(LoadTextureInto(game.scratchImage, "tga\\hero.tga", 4, 0), 0);

    game.modes.Clear();
    game.modes.Push(2, 0);
    game.fade.level = 0;
    run.RunFrames(1);

    EXPECT_EQ(TileCentre(run, 0, 0), kRed);
    EXPECT_EQ(TileCentre(run, 19, 14), kRed);
    EXPECT_EQ(TileCentre(run, 2, 2), kGreen) << "layer 1 over layer 0";
    EXPECT_EQ(TileCentre(run, 8, 8), kYellow) << "characters over layers 0 and 1";
    EXPECT_EQ(TileCentre(run, 5, 5), kBlue) << "layer 2 over the characters";

    game.fade.level = 50;
    run.RunFrames(1);
    EXPECT_TRUE(TileCentre(run, 0, 0).Near(Rgba{128, 0, 0, 255}, 2)) << TileCentre(run, 0, 0);
    EXPECT_TRUE(TileCentre(run, 8, 8).Near(Rgba{128, 128, 0, 255}, 2)) << TileCentre(run, 8, 8);
    EXPECT_TRUE(run.Pixel(639, 479).Near(Rgba{128, 0, 0, 255}, 2)) << "the fade covers the whole view";

    game.modes.Push(1, 0);
    run.RunFrames(1);
    EXPECT_EQ(TileCentre(run, 0, 0), (Rgba{0, 0, 0, 255}));
}
