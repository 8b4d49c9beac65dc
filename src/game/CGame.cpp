#include "game/CGame.h"

#include <GL/gl.h>

#include <cstdlib>
#include <ctime>
#include <iostream>

#include "platform/Clock.h"
#include "script/ScriptTables.h"

CGame::CGame() = default;

void CGame::Init()
{
    SetVideoMode(video, 640, 480, 32, false);
    SetCaption(kTitle);
    if (!FullScreen())
        ShowCursor(true);
    SDL_EnableKeyRepeat(200, 30);

    glClearColor(0, 0, 0, 1);
    glDisable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    // Every quad is given in clockwise screen order under the y-down projection.
    glFrontFace(GL_CW);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);

    std::srand(static_cast<unsigned>(std::time(nullptr)));
    InitScriptTables();

    lastTick = MillisecondsSinceStart();
    activeHero = 0;
    commandsDrained = true;
    commandsMayRun = true;

    fade.level = 100;
    fade.SetScreen(&Width(), &Height());
    map.SetViewSize(&Width(), &Height());

    LoadWorld(kDefaultWorld);
}

void CGame::LoadWorld(const std::string&)
{
    modes.Clear();
    modes.Push(1, 0);
}

void CGame::RunWorldCommands()
{
    commandsDrained = false;
    if (!commandsMayRun)
        return;
    // Nothing carries out world commands yet: queued ones wait, and the
    // script that asked for them waits in `bloque` until they are done.
    if (scriptEngine.CommandQueue().empty())
        commandsDrained = true;
}

void CGame::Update(float)
{
    scriptEngine.Execute();
    RunWorldCommands();
    if (commandsDrained)
        scriptEngine.Resume();
    AdvanceTopWidget();
    if (modes.TopType() == 3 && !fade.active) {
        modes.Pop();
        commandsMayRun = true;
    }
    PaceFrame();
}

void CGame::AdvanceTopWidget()
{
    CMenuBase* widget = WidgetForMode(modes.TopType());
    if (!widget)
        return;
}

void CGame::PaceFrame()
{
    // Sleep rather than spin: the frame ends once at least one period has
    // passed since the previous frame's pacing ended.
    std::uint32_t elapsed = MillisecondsSinceStart() - lastTick;
    if (elapsed < framePeriodMs)
        SleepMilliseconds(framePeriodMs - elapsed);
    lastTick = MillisecondsSinceStart();
}

void CGame::Draw()
{
    glLoadIdentity();
    glColor4f(1, 1, 1, 1);
    if (modes.TopType() == 1)
        return;
    map.DrawMapLayer(0);
    map.DrawMapLayer(1);
    map.DrawCharacters();
    map.DrawMapLayer(2);
    fade.Draw();
}

void CGame::OnKeyDown(SDL_keysym key)
{
    if (key.sym == SDLK_ESCAPE) {
        Quit();
        return;
    }
    if (key.sym == SDLK_SPACE)
        std::cout << "Click en (" << MouseX() << ", " << MouseY() << ")" << std::endl;
}

void CGame::FadeIn(int speed)
{
    fade.StartIn(speed);
    modes.Push(3, 0);
}

void CGame::FadeOut(int speed)
{
    fade.StartOut(speed);
    modes.Push(3, 0);
}

CMenuBase* CGame::WidgetForMode(std::uint16_t)
{
    return nullptr;
}
