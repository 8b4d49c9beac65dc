#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "game/PlayedWorld.h"

// The played world with "movement = grid" in its settings file. Around the
// hero on (5, 5): NPC 7 on (6, 5), a blocked tile on (4, 4), a step-on
// script on (4, 5) and a tile action on (5, 6).
namespace {

class GridWorld : public PlayedWorld {
public:
    explicit GridWorld(const std::vector<WorldFolder::Script>& extraScripts = {}) : PlayedWorld(extraScripts)
    {
        std::ofstream(FolderPath() + "/game.cfg") << "movement = grid\n";
        StartAgain();
    }

    // A tap shorter than a frame, then frames enough for a step to end.
    void TapAndWait(SDLKey key, int frames = 10)
    {
        run().Tap(key);
        run().RunFrames(frames);
    }
    // Held through `frames` frames, released, then frames enough to settle.
    void Hold(SDLKey key, int frames)
    {
        run().Press(key);
        run().RunFrames(frames);
        run().Release(key);
        run().RunFrames(10);
    }
    std::string Where()
    {
        const CHero& h = hero();
        return std::to_string(h.tileX) + "," + std::to_string(h.tileY) + " +" + std::to_string(h.offsetX) + "," +
               std::to_string(h.offsetY) + " facing " + std::to_string(h.facing);
    }
    int PixelX() { return 32 * hero().tileX + hero().offsetX; }
    int PixelY() { return 32 * hero().tileY + hero().offsetY; }
};

} // namespace

TEST(GridWalking, AStepWalksFourPixelsAFrameAndItsStepOnScriptFiresOnArrival)
{
    GridWorld world;
    ASSERT_GT(world.UntilExploring(), 0);
    world.Printed();
    world.run().Tap(SDLK_LEFT);
    std::vector<int> xs;
    for (int frame = 0; frame < 9; ++frame) {
        world.run().RunFrames(1);
        xs.push_back(world.PixelX());
        if (frame < 7) {
            EXPECT_EQ(world.Printed(), "") << "no step-on script between tiles, frame " << frame;
        }
    }
    EXPECT_EQ(xs, (std::vector<int>{156, 152, 148, 144, 140, 136, 132, 128, 128}));
    world.run().RunFrames(2);
    EXPECT_EQ(world.Printed(), "step4,5\n") << "once, on arrival";
    world.run().RunFrames(10);
    EXPECT_EQ(world.Printed(), "") << "standing still does not fire again";

    // Turning on the spot toward a blocked tile fires it again, as when
    // walking freely.
    world.TapAndWait(SDLK_UP);
    EXPECT_EQ(world.Where(), "4,5 +0,0 facing 3") << "(4, 4) is blocked";
    EXPECT_EQ(world.Printed(), "step4,5\n");
}

TEST(GridWalking, AHeldArrowWalksTileAfterTileAndStopsOnATileWhenReleased)
{
    const struct {
        int frames;  // held through this many frames
        int tileX;   // where the hero stops, from (5, 5) walking left
    } holds[] = {{1, 4}, {5, 4}, {8, 4}, {9, 3}, {12, 3}, {16, 3}, {17, 2}, {60, 0}};
    for (const auto& hold : holds) {
        GridWorld world;
        ASSERT_GT(world.UntilExploring(), 0);
        world.run().Press(SDLK_LEFT);
        int previous = world.PixelX();
        for (int frame = 0; frame < hold.frames; ++frame) {
            world.run().RunFrames(1);
            const int walked = previous - world.PixelX();
            previous = world.PixelX();
            if (world.PixelX() > 0) {
                ASSERT_EQ(walked, 4) << "no pause between tiles, frame " << frame << " of " << hold.frames;
            }
        }
        world.run().Release(SDLK_LEFT);
        world.run().RunFrames(10);
        EXPECT_EQ(world.Where(), std::to_string(hold.tileX) + ",5 +0,0 facing 0") << hold.frames;
    }
}

TEST(GridWalking, TwoArrowsHeldWalkOneAxisAtATime)
{
    GridWorld world;
    ASSERT_GT(world.UntilExploring(), 0);
    world.TapAndWait(SDLK_DOWN);  // to (5, 6), out of the NPC's row
    world.run().Press(SDLK_DOWN);
    world.run().Press(SDLK_LEFT);
    for (int frame = 0; frame < 30; ++frame) {
        world.run().RunFrames(1);
        ASSERT_TRUE(world.hero().offsetX == 0 || world.hero().offsetY == 0) << "frame " << frame << " "
                                                                            << world.Where();
    }
    world.run().Release(SDLK_DOWN);
    world.run().Release(SDLK_LEFT);
    world.run().RunFrames(10);
    EXPECT_EQ(world.hero().offsetX, 0);
    EXPECT_EQ(world.hero().offsetY, 0);
    EXPECT_EQ(5 - world.hero().tileX + world.hero().tileY - 6, 4) << "30 frames held: three steps and most of a fourth";
}

// A tap into a blocked tile only turns (as in the step-on test); held
// there, the arrow neither moves the hero nor walks it on the spot.
TEST(GridWalking, AnArrowHeldAgainstAWallNeitherMovesNorAnimates)
{
    GridWorld world;
    ASSERT_GT(world.UntilExploring(), 0);
    world.TapAndWait(SDLK_UP);
    ASSERT_EQ(world.Where(), "5,4 +0,0 facing 3");
    const float frame = world.hero().frame;
    world.Hold(SDLK_LEFT, 20);
    EXPECT_EQ(world.Where(), "5,4 +0,0 facing 0") << "(4, 4) is blocked";
    EXPECT_EQ(world.hero().frame, frame) << "no walking animation against a wall";
}

TEST(GridWalking, NextToACharacterAndFacingItTheActionKeyAlwaysTalks)
{
    GridWorld world;
    ASSERT_GT(world.UntilExploring(), 0);
    world.Printed();
    auto act = [&] {
        world.run().Hit(SDLK_q);
        world.run().RunFrames(2);
        return world.Printed();
    };
    // Round NPC 7 on (6, 5), talking to it from each side; TILEX, TILEY
    // are the hero's tile. Each tap, shorter than a frame, walks exactly one
    // tile, or only turns toward the NPC.
    EXPECT_EQ(act(), "npc7,5,5\n") << "from the left";
    for (SDLKey key : {SDLK_DOWN, SDLK_RIGHT, SDLK_UP})
        world.TapAndWait(key);
    EXPECT_EQ(act(), "npc7,6,6\n") << "from below";
    for (SDLKey key : {SDLK_RIGHT, SDLK_UP, SDLK_LEFT})
        world.TapAndWait(key);
    EXPECT_EQ(act(), "npc7,7,5\n") << "from the right";
    for (SDLKey key : {SDLK_UP, SDLK_LEFT, SDLK_DOWN})
        world.TapAndWait(key);
    EXPECT_EQ(act(), "npc7,6,4\n") << "from above, where the free walker's action point falls short";
    for (SDLKey key : {SDLK_LEFT, SDLK_DOWN})
        world.TapAndWait(key);
    ASSERT_EQ(world.Where(), "5,5 +0,0 facing 1");
    EXPECT_EQ(act(), "tile-1,5,6\n") << "nobody in front: the tile's action";
    world.TapAndWait(SDLK_LEFT);
    EXPECT_EQ(world.Printed(), "step4,5\n");
    EXPECT_EQ(act(), "") << "(3, 5) has no action";
}

TEST(GridWalking, ADoorOneTileWideLetsTheHeroThroughFromTheTileBelowIt)
{
    // A wall across row 3 of a small map with a gap on (5, 3).
    GridWorld world({{2, "LoadMap \"door\" ; SetHeros 1 , HAUT , 2 , 5 , 0 , 0 ;"}});
    MapFileBuilder door(10, 8, 1);
    for (int x = 0; x < 10; ++x)
        if (x != 5)
            door.Block(x, 3);
    door.Event(5, 1, 0, 30);
    {
        std::ofstream out(world.FolderPath() + "/map/door.map", std::ios::binary);
        const std::vector<std::uint8_t> bytes = door.Bytes();
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    ASSERT_TRUE(world.RunWhenExploring(2));
    world.run().RunFrames(3);
    ASSERT_EQ(world.Where(), "2,5 +0,0 facing 3");
    world.Printed();

    world.TapAndWait(SDLK_UP);
    world.Hold(SDLK_UP, 20);
    EXPECT_EQ(world.Where(), "2,4 +0,0 facing 3") << "the wall";
    world.Hold(SDLK_RIGHT, 17);
    EXPECT_EQ(world.Where(), "5,4 +0,0 facing 2");
    world.Hold(SDLK_UP, 40);
    EXPECT_EQ(world.Where(), "5,0 +0,0 facing 3") << "through the door to the top edge";
    EXPECT_EQ(world.Printed(), "step5,1\n");
}

TEST(GridWalking, ACharacterThatWalksIntoAStepLetsTheHeroTurnBack)
{
    GridWorld world;
    ASSERT_GT(world.UntilExploring(), 0);
    world.run().Tap(SDLK_LEFT);
    world.run().RunFrames(2);
    // NPC 7 steps in halfway onto (3, 5) while the hero is on its way from
    // (5, 5) to (4, 5): the hero waits between the tiles.
    CNpc& npc = *world.game().map.FindNpc(7);
    npc.tileX = 3;
    npc.offsetX = 16;
    world.run().RunFrames(10);
    const std::string stuck = world.Where();
    EXPECT_EQ(stuck, "4,5 +9,0 facing 0") << "boxes 25 pixels apart";
    world.Hold(SDLK_RIGHT, 1);
    EXPECT_EQ(world.Where(), "5,5 +0,0 facing 2") << "back where the step began";
}
