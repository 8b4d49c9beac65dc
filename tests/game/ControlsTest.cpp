#include <gtest/gtest.h>

#include <fstream>

#include "game/PlayedWorld.h"
#include "support/InjectedEvents.h"

// The hero of the played world stands on (5, 5) facing NPC 7 on (6, 5):
// the act key talks to it, and its script prints "npc7,5,5".

namespace {

void Joystick(Uint8 type, int index, int value)
{
    SDL_Event event{};
    event.type = type;
    event.jaxis.axis = Uint8(index);  // the byte of jhat.hat and jbutton.button too
    if (type == SDL_JOYAXISMOTION)
        event.jaxis.value = Sint16(value);
    else if (type == SDL_JOYHATMOTION)
        event.jhat.value = Uint8(value);
    else
        event.jbutton.state = type == SDL_JOYBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    SDL_PushEvent(&event);
}

int HeroX(PlayedWorld& world) { return 32 * world.hero().tileX + world.hero().offsetX; }

// Pixels the hero walks in one frame.
const int kStep = 4;

}  // namespace

TEST(Controls, TouchesFileRemapsActionsAndReportsBadLines)
{
    PlayedWorld world;
    std::ofstream(world.FolderPath() + "/touches.txt")
        << "# left-handed\n\nact = e\nleft=a\njump = x\nback = no such key\nmenu return\n";
    testing::internal::CaptureStdout();
    world.StartAgain();
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "touches.txt line 5: unknown action \"jump\"\n"
              "touches.txt line 6: unknown key \"no such key\"\n"
              "touches.txt line 7: expected \"action = key\"\n");
    ASSERT_GT(world.UntilExploring(), 0);

    world.run().Hit(SDLK_q);
    world.run().RunFrames(5);
    EXPECT_EQ(world.Printed(), "") << "the old act key does nothing";
    world.run().Hit(SDLK_e);
    world.run().RunFrames(5);
    EXPECT_EQ(world.Printed(), "npc7,5,5\n");

    const int before = HeroX(world);
    world.run().Hit(SDLK_LEFT);
    EXPECT_EQ(HeroX(world), before) << "the old left key does not walk";
    world.run().Hit(SDLK_a);
    EXPECT_EQ(HeroX(world), before - kStep);

    // Actions the file does not name keep their keys, the bad lines' too.
    world.run().Hit(SDLK_RETURN);
    world.run().RunFrames(1);
    EXPECT_EQ(world.game().modes.TopType(), 3) << "the menu's fade started";
}

TEST(Controls, TouchesFileKeepsTheGamesKeysEscapesBytesAndSaysWhenTooLarge)
{
    PlayedWorld world;
    std::ofstream(world.FolderPath() + "/touches.txt", std::ios::binary)
        << "act = escape\nback = f12\nmenu = f5\nleft = f11\nj\x01\x1b[2J = a\nup = \x7f\xe9\n";
    testing::internal::CaptureStdout();
    world.StartAgain();
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "touches.txt line 1: the key \"escape\" is the game's own\n"
              "touches.txt line 2: the key \"f12\" is the game's own\n"
              "touches.txt line 3: the key \"f5\" is the game's own\n"
              "touches.txt line 4: the key \"f11\" is the game's own\n"
              "touches.txt line 5: unknown action \"j\\x01\\x1B[2J\"\n"
              "touches.txt line 6: unknown key \"\\x7F\xe9\"\n");
    for (auto [action, key] : {std::pair{GameAction::Act, SDLK_q}, {GameAction::Back, SDLK_w},
                               {GameAction::Menu, SDLK_RETURN}, {GameAction::Left, SDLK_LEFT}})
        EXPECT_EQ(world.game().Bound(action), key);

    std::ofstream(world.FolderPath() + "/touches.txt") << "act = e\n" << std::string(70000, '#');
    testing::internal::CaptureStdout();
    world.StartAgain();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "touches.txt: larger than 64 KB, ignored\n");
    EXPECT_EQ(world.game().Bound(GameAction::Act), SDLK_q);
}

TEST(Controls, TapsShorterThanAFrameAndTheGamepadWalkActAndOpenTheMenu)
{
    PlayedWorld world;
    ASSERT_GT(world.UntilExploring(), 0);
    // A tap shorter than a frame acts once, as does the gamepad's button 0.
    world.run().Tap(SDLK_q);
    world.run().RunFrames(5);
    EXPECT_EQ(world.Printed(), "npc7,5,5\n");
    Joystick(SDL_JOYBUTTONDOWN, 0, 0);
    Joystick(SDL_JOYBUTTONUP, 0, 0);
    world.run().RunFrames(5);
    EXPECT_EQ(world.Printed(), "npc7,5,5\n");

    // A tapped arrow walks one frame's step, as far as an arrow held
    // through one frame (the remapping test holds one), not more.
    const int tapped = HeroX(world);
    world.run().Tap(SDLK_LEFT);
    world.run().RunFrames(5);
    EXPECT_EQ(tapped - HeroX(world), kStep);

    const struct {
        Uint8 type;
        int index, value;
        int walked;  // pixels to the left in two frames
    } walks[] = {
        {SDL_JOYHATMOTION, 0, SDL_HAT_LEFT, 2 * kStep},
        {SDL_JOYHATMOTION, 0, SDL_HAT_LEFTUP, 2 * kStep},
        {SDL_JOYAXISMOTION, 0, -30000, 2 * kStep},
        {SDL_JOYAXISMOTION, 0, -10000, 0},  // inside the dead zone
        {SDL_JOYHATMOTION, 1, SDL_HAT_LEFT, 0},  // a second hat is not the d-pad
    };
    for (const auto& walk : walks) {
        const int before = HeroX(world);
        Joystick(walk.type, walk.index, walk.value);
        world.run().RunFrames(2);
        Joystick(walk.type, walk.index, 0);  // centred again
        world.run().RunFrames(2);
        EXPECT_EQ(before - HeroX(world), walk.walked) << int(walk.type) << " " << walk.value;
    }

    Joystick(SDL_JOYBUTTONDOWN, 7, 0);  // Start
    Joystick(SDL_JOYBUTTONUP, 7, 0);
    ASSERT_GT(world.UntilActive(), 0);
    EXPECT_EQ(world.game().modes.TopType(), 10);
    Joystick(SDL_JOYBUTTONDOWN, 1, 0);  // backs out
    Joystick(SDL_JOYBUTTONUP, 1, 0);
    EXPECT_GT(world.UntilExploring(), 0);
}
