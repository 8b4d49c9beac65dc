#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "game/PlayedWorld.h"
#include "support/PrivateDisplay.h"

namespace {

// Plays real-time frames while xdotool sends `keys` (xdotool's own command
// words) through the X server.
void PlayWhileTyping(PlayedWorld& world, const std::string& keys, int frames)
{
    std::system(("(sleep 0.2; xdotool " + keys + ") >/dev/null 2>&1 &").c_str());
    world.run().RunFrames(frames);
}

class RealKeys : public testing::Test {
protected:
    void SetUp() override
    {
        if (std::system("command -v xdotool >/dev/null && command -v Xvfb >/dev/null") != 0)
            GTEST_SKIP() << "xdotool or Xvfb is not installed";
        // The keys the X server sends reach this test's window and no other's.
        ASSERT_TRUE(PrivateDisplay::Use());
    }
    // Real-time frames from the map on; the pointer over the window gives it
    // the keyboard (no window manager).
    static bool Explore(PlayedWorld& world)
    {
        if (world.UntilExploring() <= 0)
            return false;
        world.game().SetFramePeriod(30);
        std::system("xdotool mousemove 100 100");
        return true;
    }
};

} // namespace

TEST_F(RealKeys, HeldAndTappedKeysFromTheXServer)
{
    PlayedWorld world;
    ASSERT_TRUE(Explore(world));
    world.Printed();

    // A player's tap lasts a few frames; it acts once (as does a tap
    // shorter than a frame, see the controls tests).
    PlayWhileTyping(world, "keydown q sleep 0.06 keyup q", 20);
    EXPECT_EQ(world.Printed(), "npc7,5,5\n") << "a tapped action key acts once";
    PlayWhileTyping(world, "keydown q sleep 0.12 keyup q", 20);
    EXPECT_EQ(world.Printed(), "npc7,5,5\n") << "held shorter than the repeat delay: once";
    PlayWhileTyping(world, "keydown q sleep 0.6 keyup q", 40);
    const std::string printed = world.Printed();
    EXPECT_GE(std::count(printed.begin(), printed.end(), '\n'), 5) << "held on: again with each repeat: " << printed;

    PlayWhileTyping(world, "keydown Left sleep 0.5 keyup Left", 40);
    EXPECT_LE(world.hero().tileX, 3) << "a held arrow keeps walking";
    EXPECT_GE(world.hero().tileX, 1);
}

TEST_F(RealKeys, GridStepsFromTheXServerEndOnTiles)
{
    PlayedWorld world;
    std::ofstream(world.FolderPath() + "/game.cfg") << "movement = grid\n";
    world.StartAgain();
    ASSERT_TRUE(Explore(world));
    const CHero& hero = world.hero();

    PlayWhileTyping(world, "keydown Left sleep 0.06 keyup Left", 40);
    EXPECT_EQ(std::vector<int>({hero.tileX, hero.tileY, hero.offsetX, hero.offsetY}), std::vector<int>({4, 5, 0, 0}))
        << "a player's tap: one tile";
    // Down and up again at once: the key is up before any frame reads it.
    PlayWhileTyping(world, "keydown Left keyup Left", 40);
    EXPECT_EQ(std::vector<int>({hero.tileX, hero.tileY, hero.offsetX, hero.offsetY}), std::vector<int>({3, 5, 0, 0}))
        << "a tap shorter than a frame: one tile";
    PlayWhileTyping(world, "keydown Up sleep 0.8 keyup Up", 70);
    EXPECT_EQ(hero.tileX, 3);
    EXPECT_LT(hero.tileY, 4) << "held: more than one tile";
    EXPECT_EQ(hero.offsetX + hero.offsetY, 0) << "and stopped on a tile";
}

TEST_F(RealKeys, DeveloperKeysFromTheXServer)
{
    PlayedWorld world;
    world.StartAgainForDeveloperKeys();
    ASSERT_TRUE(Explore(world));

    PlayWhileTyping(world, "key F3", 15);
    EXPECT_TRUE(world.game().developer.overlayShown) << "F3 shows the overlay";
    EXPECT_LT(world.run().Pixel(5, 5).g, PlayedWorld::kGrass.g / 2);
    PlayWhileTyping(world, "key F3", 15);
    EXPECT_FALSE(world.game().developer.overlayShown) << "and hides it again";

    // Files are not looked at by themselves here: F8 brings the new ground in.
    world.Folder().SolidPicture("grass.tga", 0, 0, 255);
    world.run().RunFrames(2);
    EXPECT_EQ(world.run().Pixel(5, 5).g, PlayedWorld::kGrass.g);
    PlayWhileTyping(world, "key F8", 12);
    EXPECT_EQ(world.run().Pixel(5, 5), (Rgba{0, 0, 255, 255})) << "F8 brings it in";
}
