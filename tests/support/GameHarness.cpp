#include "support/GameHarness.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/FrameBuffer.h"
#include "support/InjectedEvents.h"
#include "support/PrivateDisplay.h"

GameHarness::GameHarness(const std::string& worldFolder, std::unique_ptr<CGame> g)
    : game(std::move(g))
{
    if (!worldFolder.empty()) {
        previousFolder = std::filesystem::current_path().string();
        std::filesystem::current_path(worldFolder);
    }
}

GameHarness::~GameHarness()
{
    InjectedEvents::Reset();
    game.reset();
    if (!previousFolder.empty())
        std::filesystem::current_path(previousFolder);
}

void GameHarness::Start()
{
    PrivateDisplay::Use();
    game->SetFramePeriod(0);
    game->Start();
    ASSERT_NE(SDL_GetVideoSurface(), nullptr) << "the game's window did not open";
    InjectedEvents::Reset();
}

void GameHarness::RunFrames(int count)
{
    for (int i = 0; i < count; ++i) {
        game->ProcessFrame();
        if (i == count - 1 && captureFrames)
            Capture();
        game->EndFrame();
    }
}

int GameHarness::RunUntil(const std::function<bool()>& condition, int limit)
{
    for (int frames = 1; frames <= limit; ++frames) {
        RunFrames(1);
        if (condition())
            return frames;
    }
    return -1;
}

void GameHarness::Capture()
{
    width = game->Width();
    height = game->Height();
    lastFrame = FrameBuffer::ReadRegion(0, 0, width, height);
}

Rgba GameHarness::Pixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height) {
        ADD_FAILURE() << "pixel (" << x << ", " << y << ") is outside the captured frame";
        return Rgba{};
    }
    return lastFrame[static_cast<size_t>(y) * width + x];
}

void GameHarness::Press(SDLKey sym) { InjectedEvents::KeyDown(sym); }
void GameHarness::Release(SDLKey sym) { InjectedEvents::KeyUp(sym); }

void GameHarness::Type(SDLKey sym, Uint16 unicode)
{
    InjectedEvents::KeyDown(SDL_keysym{0, sym, KMOD_NONE, unicode});
    Release(sym);
}
void GameHarness::MoveMouse(int x, int y) { InjectedEvents::MouseMotion(x, y); }
