#include <gtest/gtest.h>

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "game/PlayedWorld.h"
#include "platform/DataFile.h"
#include "support/FrameBuffer.h"
#include "support/InjectedEvents.h"

namespace {

long CountOf(const std::vector<Rgba>& frame, const Rgba& c) { return std::count(frame.begin(), frame.end(), c); }

// The picture of a world exploring its map, as drawn at 640 x 480.
struct Explored {
    Explored()
    {
        EXPECT_GT(world.UntilExploring(), 0);
        world.run().RunFrames(1);
        picture = world.run().Frame();
    }
    bool DrawsAsBefore()
    {
        world.run().RunFrames(1);
        return world.run().Frame() == picture;
    }
    void Key(SDLKey sym)
    {
        world.run().Tap(sym);
        world.run().RunFrames(1);
    }
    PlayedWorld world;
    std::vector<Rgba> picture;
};

}  // namespace

TEST(WindowModes, ZoomEnlargesEveryGamePixelIntoASquareBlock)
{
    Explored run;
    CGame& game = run.world.game();
    ASSERT_GT(CountOf(run.picture, PlayedWorld::kGrass), 100000);
    ASSERT_GT(CountOf(run.picture, PlayedWorld::kHero), 100);
    game.SetDesktopSize(1920, 1080);  // room for x2, not x3

    run.Key(SDLK_F5);
    ASSERT_EQ(game.Zoom(), 2);
    ASSERT_EQ(SDL_GetVideoSurface()->w, 1280);
    EXPECT_EQ(SDL_GetVideoSurface()->h, 960);
    EXPECT_EQ(game.Width(), 640) << "the game keeps its picture size";
    EXPECT_TRUE(run.DrawsAsBefore()) << "every texture still draws in the new window";

    game.ProcessFrame();
    const std::vector<Rgba> picture = FrameBuffer::ReadRegion(0, 0, 640, 480);
    game.PresentFrame();
    const std::vector<Rgba> window = FrameBuffer::ReadRegion(0, 0, 1280, 960);
    game.EndFrame();
    long unlike = 0;
    for (int y = 0; y < 480; ++y)
        for (int x = 0; x < 640; ++x)
            for (int d = 0; d < 4; ++d)
                unlike += window[(2 * y + d / 2) * 1280 + 2 * x + d % 2] != picture[y * 640 + x];
    EXPECT_EQ(unlike, 0) << "of 4 x 640 x 480 window pixels";

    run.world.run().MoveMouse(2 * 123 + 1, 2 * 45);
    run.world.run().RunFrames(1);
    EXPECT_EQ(game.MouseX(), 123.5f);
    EXPECT_EQ(game.MouseY(), 45.0f);

    run.Key(SDLK_F5);  // x2 was the largest: back to x1
    EXPECT_EQ(game.Zoom(), 1);
    EXPECT_EQ(SDL_GetVideoSurface()->w, 640);
    EXPECT_TRUE(run.DrawsAsBefore());
    EXPECT_FALSE(game.KeyHeld(SDLK_F5)) << "window keys stay out of the game's key table";
}

TEST(WindowModes, FullscreenAndBackOrALostContextGetEveryTextureBack)
{
    Explored run;
    CGame& game = run.world.game();
    game.SetDesktopSize(1024, 768);  // the virtual display's size

    run.Key(SDLK_F11);
    ASSERT_TRUE(game.FullScreen());
    EXPECT_EQ(SDL_GetVideoSurface()->w, 1024);
    EXPECT_EQ(game.Scale().offsetX, 192) << "centred with black bars";
    EXPECT_TRUE(run.DrawsAsBefore());

    InjectedEvents::KeyDown(SDL_keysym{0, SDLK_RETURN, KMOD_LALT, 0});
    InjectedEvents::KeyUp(SDLK_RETURN);
    run.world.run().RunFrames(1);
    EXPECT_FALSE(game.FullScreen());
    EXPECT_EQ(SDL_GetVideoSurface()->w, 640);
    EXPECT_EQ(SDL_GetVideoSurface()->h, 480);
    EXPECT_TRUE(run.DrawsAsBefore());
    EXPECT_EQ(game.modes.TopType(), 2) << "Alt+Return does not open the menu";

    ASSERT_EQ(game.textures.Sources().size(), 2u) << "the world's hero picture and the map's grass";
    for (const auto& texture : game.textures.Sources())
        glDeleteTextures(1, &texture.first);
    run.world.run().RunFrames(1);
    EXPECT_EQ(CountOf(run.world.run().Frame(), PlayedWorld::kGrass), 0) << "the textures are gone";
    game.OnVideoModeChanged();
    EXPECT_TRUE(run.DrawsAsBefore());
}

TEST(WindowModes, F12NeverWritesThroughASymbolicLinkInCaptures)
{
    Explored run;
    const std::string folder = run.world.FolderPath() + "/captures";
    const std::string outside = run.world.FolderPath() + "/outside.tga";
    std::filesystem::create_directories(folder);
    std::filesystem::create_symlink(outside, folder + "/0001.tga");  // leads nowhere yet
    testing::internal::CaptureStdout();
    run.Key(SDLK_F12);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "captures\\0002.tga\n");
    EXPECT_FALSE(std::filesystem::exists(outside));
    EXPECT_TRUE(std::filesystem::is_symlink(folder + "/0001.tga"));
}

TEST(WindowModes, F12SavesTheDrawnFrameAsTheNextCaptureOrSaysWhyItCannot)
{
    Explored run;
    const std::string folder = run.world.FolderPath() + "/captures";
    std::ofstream(folder) << "a file where the folder should be";
    testing::internal::CaptureStdout();
    run.Key(SDLK_F12);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Cannot write captures\\0001.tga\n");
    EXPECT_FALSE(run.world.game().QuitRequested());
    EXPECT_TRUE(run.DrawsAsBefore());

    std::remove(folder.c_str());
    testing::internal::CaptureStdout();
    run.Key(SDLK_F12);
    run.Key(SDLK_F12);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "captures\\0001.tga\ncaptures\\0002.tga\n");

    // (The game's own reader takes power-of-two pictures only: read it here.)
    std::vector<std::uint8_t> shot;
    ASSERT_TRUE(ReadDataFile(folder + "/0002.tga", shot));
    ASSERT_EQ(shot.size(), 18u + 640 * 480 * 3);
    EXPECT_EQ((std::vector<int>{shot[2], shot[12] | shot[13] << 8, shot[14] | shot[15] << 8, shot[16], shot[17]}),
              (std::vector<int>{2, 640, 480, 24, 0x20}))
        << "uncompressed true colour, 640 x 480, 24 bits, rows top-down with the origin bit set";
    // The hero stands in the upper half (rows 160 to 191), so a picture
    // written upside down or with its colours swapped differs from the frame.
    const std::vector<Rgba>& frame = run.world.run().Frame();
    ASSERT_GT(CountOf(frame, PlayedWorld::kHero), 100);
    long unlike = 0;
    for (std::size_t i = 0; i < frame.size(); ++i) {
        const std::uint8_t* p = shot.data() + 18 + i * 3;
        unlike += Rgba{p[2], p[1], p[0], 255} != frame[i];
    }
    EXPECT_EQ(unlike, 0) << "the file's first row is the top of the picture";
}
