#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "engine/Tessel_Engine.h"
#include "support/InjectedEvents.h"

namespace {

// An engine that opens the window and records what the loop hands it.
class RecordingEngine : public Tessel_Engine {
public:
    struct KeyCall {
        SDLKey sym;
        Uint8 tableDuringCall;
    };

    void Init() override
    {
        ++initCalls;
        SetVideoMode(video, 640, 480, 32, false);
    }
    void Update(float) override
    {
        ++updates;
        tableAtUpdate = KeyStates()[SDLK_a];
        if (quitAfterUpdates > 0 && updates == quitAfterUpdates)
            InjectedEvents::Quit();
    }
    void Draw() override { ++draws; }
    void OnShutdown() override { ++shutdowns; }
    void OnKeyDown(SDL_keysym key) override
    {
        keyCalls.push_back({key.sym, KeyStates() ? KeyStates()[key.sym] : Uint8(99)});
    }

    int initCalls = 0, updates = 0, draws = 0, shutdowns = 0;
    int quitAfterUpdates = 0;
    Uint8 tableAtUpdate = 99;
    std::vector<KeyCall> keyCalls;
};

class EngineEvents : public ::testing::Test {
protected:
    void SetUp() override
    {
        engine.Start();
        InjectedEvents::Reset();
    }
    void TearDown() override { InjectedEvents::Reset(); }

    RecordingEngine engine;
};

}  // namespace

TEST_F(EngineEvents, KeyDownHandlerRunsBeforeTheTableAndATapIsHeldForOneFrame)
{
    InjectedEvents::KeyDown(SDLK_a);
    engine.RunFrame();
    ASSERT_EQ(engine.keyCalls.size(), 1u);
    EXPECT_EQ(engine.keyCalls[0].sym, SDLK_a);
    EXPECT_EQ(engine.keyCalls[0].tableDuringCall, 0);
    EXPECT_EQ(engine.tableAtUpdate, 1);

    // A repeated key-down sets the entry again after a reader consumed it.
    engine.KeyStates()[SDLK_a] = 0;
    InjectedEvents::KeyDown(SDLK_a);
    engine.RunFrame();
    ASSERT_EQ(engine.keyCalls.size(), 2u);
    EXPECT_EQ(engine.keyCalls[1].tableDuringCall, 0);
    EXPECT_TRUE(engine.KeyHeld(SDLK_a));
    InjectedEvents::KeyUp(SDLK_a);
    engine.RunFrame();
    EXPECT_FALSE(engine.KeyHeld(SDLK_a));
    EXPECT_EQ(engine.keyCalls.size(), 2u) << "key-up events do not reach OnKeyDown";

    // A tap shorter than a frame still counts as one press: the table shows
    // it held through the frame of its events, and released from the next.
    InjectedEvents::KeyDown(SDLK_a);
    InjectedEvents::KeyUp(SDLK_a);
    engine.RunFrame();
    EXPECT_EQ(engine.keyCalls.size(), 3u);
    EXPECT_EQ(engine.tableAtUpdate, 1) << "the tap is seen by the frame it happened before";
    engine.RunFrame();
    EXPECT_EQ(engine.tableAtUpdate, 0) << "and released by the next one";
}

TEST_F(EngineEvents, OnlyMouseMotionMovesTheMousePosition)
{
    InjectedEvents::MouseMotion(123, 45);
    engine.RunFrame();
    InjectedEvents::MouseButton(300, 200);
    engine.RunFrame();
    EXPECT_EQ(std::pair(engine.MouseX(), engine.MouseY()), std::pair(123.0f, 45.0f));
}

TEST(EngineLoop, TheGameSaysWhyNoWindowOpenedEvenWhenItsOutputIsPiped)
{
    // No X server at this address: the game says so and ends with status 1
    // (the timeout's KILL would give 137); the line must have been flushed
    // into the pipe all the same.
    const std::string game = std::string(TESSEL_TOOLS_DIR) + "/../tessel";
    std::FILE* pipe = popen(("(DISPLAY=:4999 SDL_VIDEODRIVER=x11 timeout -s KILL 2 '" + game +
                             "'; echo \"exit $?\") | cat").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string printed;
    char chunk[256];
    while (std::size_t got = std::fread(chunk, 1, sizeof chunk, pipe))
        printed.append(chunk, got);
    pclose(pipe);
    EXPECT_NE(printed.find("Couldn't Loadialize SDL: "), std::string::npos) << printed;
    EXPECT_NE(printed.find("exit 1\n"), std::string::npos) << printed;
}

TEST(EngineLoop, CloseEventEndsTheLoopAfterTheCurrentFrame)
{
    RecordingEngine engine;
    engine.quitAfterUpdates = 3;  // the close event arrives during frame 3
    engine.Run();
    InjectedEvents::Reset();

    EXPECT_EQ(engine.initCalls, 1);
    EXPECT_EQ(engine.updates, 4) << "frame 4 polls the close event and still runs to its end";
    EXPECT_EQ(engine.draws, 4);
    EXPECT_EQ(engine.shutdowns, 1);
}

TEST(EngineCaption, LongCaptionIsStoredCutAndTerminated)
{
    RecordingEngine engine;
    EXPECT_STREQ(engine.Caption(), "Tessel Demo");
    engine.Start();  // the window shows the caption once it exists

    std::string longText(70, 'x');
    longText += "END";
    engine.SetCaption(longText.c_str());
    EXPECT_EQ(std::string(engine.Caption()), std::string(64, 'x'));

    char* title = nullptr;
    SDL_WM_GetCaption(&title, nullptr);
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(std::string(title), longText) << "the window title keeps the whole text";
}
