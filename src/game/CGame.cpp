#include "game/CGame.h"

#include <GL/gl.h>

#include <initializer_list>
#include <iostream>

#include "engine/GlDrawingState.h"
#include "widgets/Cp1252.h"
#include "image/Texture.h"
#include "image/TextureFilter.h"
#include "platform/Clock.h"
#include "platform/PlayerFolder.h"
#include "script/ScriptTables.h"

CGame::CGame()
{
    // A script that never ends and never waits would otherwise hold the
    // frame forever: past the budget it is suspended until the next frame,
    // so the window keeps drawing and Escape still works.
    scriptEngine.SetStatementLimit(kFrameStatementBudget);
    scriptEngine.SetCommandQueueLimit(kCommandQueueLimit);
    scriptEngine.SetLimitReport(&std::cerr);
}

void CGame::Init()
{
    if (!StartSession())
        return;
    ReadSettings();
    if (!SetVideoMode(video, 640, 480, 32, false)) {
        // Its line is printed; without a window there is nothing to play.
        SetExitStatus(1);
        Quit();
        return;
    }
    SetCaption(settings.Title().c_str());
    if (!FullScreen())
        ShowCursor(true);
    SDL_EnableKeyRepeat(200, 30);
    // Typed characters are taken from SDL's translation of the keys, which
    // knows the keyboard layout, Shift and the keypad.
    SDL_EnableUNICODE(1);

    ApplyGlDrawingState();

    SetUpControls();
    InitScriptTables();

    lastTickMicros = MicrosecondsSinceStart();
    lastTick = static_cast<std::uint32_t>(lastTickMicros / 1000);
    activeHero = 0;
    commandsDrained = true;
    commandsMayRun = true;

    fade.level = 100;
    fade.SetScreen(&Width(), &Height());
    map.SetViewSize(&Width(), &Height());
    SetUpWidgets();

    LoadWorld(settings.WorldPath());
}

void CGame::ReadSettings()
{
    std::vector<std::string> problems;
    settings.Read(GameSettings::kFileName, problems);
    for (const std::string& problem : problems) {
        std::cerr << problem << "\n";
        developer.Show(problem);
    }
    for (const auto& entry : settingOverrides.Entries())
        settings.Set(entry.first, entry.second);
    playerFolder = PlayerFolder(settings.Get("world", GameSettings::kDefaultWorldName));
}

void CGame::SetUpWidgets()
{
    const CColor background(0.4f, 0.1f, 0.2f, 1.0f);
    const CColor portraitFrame(0.8f, 0.8f, 0.8f, 1.0f);
    for (CMenuBase* widget : std::initializer_list<CMenuBase*>{&messageBox, &dialogBox, &choiceBox, &inputBox})
        widget->backColor = background;

    messageBox.SetRect(50, 352, 540, 105);
    dialogBox.SetRect(50, 352, 540, 105);
    inputBox.SetRect(50, 352, 540, 105);
    choiceBox.SetRect(50, 300, 540, 0);

    for (CDialogBox* box : std::initializer_list<CDialogBox*>{&dialogBox, &inputBox}) {
        box->portrait.SetRect(10, 362, 48, 48);
        box->portrait.backColor = portraitFrame;
    }
    choiceBox.portrait.SetRect(10, 310, 48, 48);
    choiceBox.portrait.backColor = portraitFrame;
    SetUpMenu();
}

void CGame::LoadWorld(const std::string& path)
{
    // Nothing is drawn until the world's start script brings in a map.
    modes.Clear();
    modes.Push(1, 0);
    // A damaged world keeps what it read whole but starts nothing.
    world.ReadWorld(path);
    // A picture that cannot be read leaves its texture name empty.
    for (const CWorld::TextureEntry& texture : world.textures)
        if (textures.Load(scratchImage, "tga\\" + texture.file, texture.name, TextureNearest) != 0)
            developer.Note("tga\\" + texture.file + ": cannot be read");
    for (const CWorld::ScriptEntry& script : world.scripts)
        if (!scriptEngine.LoadScriptFile("tsl\\" + script.file))
            developer.Note("tsl\\" + script.file + ": cannot be read");
    developer.OnWorldLoaded(*this);
    scriptEngine.RunScript(world.startScript, -1, -1, -1);
}

void CGame::Update(float)
{
    developer.Update(*this);
    scriptEngine.Execute();
    RunWorldCommands();
    if (commandsDrained)
        scriptEngine.Resume();
    HandleInput();
    AdvanceTopWidget();
    saveMenu.CountFrame();
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
    const std::uint16_t type = modes.TopType();
    std::uint16_t& state = modes.TopState();
    if (state == ModeOpening) {
        widget->StepOpen();
        if (widget->state == WidgetState::Open) {
            state = ModeActive;
            // The statistics screen always brings its conversion choice.
            if (type == 12)
                modes.Push(13, ModeOpening);
        }
    } else if (state == ModeClosing) {
        widget->StepClose();
        if (widget->state == WidgetState::Closed) {
            modes.Pop();
            // Leaving the main menu brings the map back from black.
            if (type == 10)
                FadeIn(6);
            commandsMayRun = true;
        }
    }
}

void CGame::PaceFrame()
{
    // Sleep rather than spin: the frame ends once at least one period has
    // passed since the previous frame's pacing ended. Counted in
    // microseconds, so that rounding never makes a frame short.
    const std::uint64_t period = std::uint64_t(framePeriodMs) * 1000;
    const std::uint64_t elapsed = MicrosecondsSinceStart() - lastTickMicros;
    if (elapsed < period)
        SleepMicroseconds(period - elapsed);
    lastTickMicros = MicrosecondsSinceStart();
    lastTick = static_cast<std::uint32_t>(lastTickMicros / 1000);
}

void CGame::Draw()
{
    glLoadIdentity();
    glColor4f(1, 1, 1, 1);
    if (modes.TopType() == 1) {
        developer.Draw(*this);
        return;
    }
    map.DrawMapLayer(0);
    map.DrawMapLayer(1);
    map.DrawCharacters();
    map.DrawMapLayer(2);
    fade.Draw();

    // Widgets are drawn above the fade; closed ones draw nothing.
    messageBox.Draw();
    dialogBox.Draw();
    choiceBox.Draw();
    inputBox.Draw();
    DrawMenu();
    developer.Draw(*this);
}

void CGame::OnKeyDown(SDL_keysym key)
{
    if (key.sym == SDLK_ESCAPE) {
        Quit();
        return;
    }
    // F3 and F8 belong to developer mode when it is on.
    if (developer.OnKeyDown(*this, key.sym)) {
        IgnoreKeyPress();
        return;
    }
    if (key.sym == SDLK_F5 || key.sym == SDLK_F11 || key.sym == SDLK_F12 ||
        (key.sym == SDLK_RETURN && (key.mod & KMOD_ALT))) {
        // Window keys act here and are kept out of the game's key table.
        IgnoreKeyPress();
        if (key.sym == SDLK_F5)
            CycleZoom();
        else if (key.sym == SDLK_F12)
            captureRequested = true;
        else
            ToggleFullScreen();
        return;
    }
    if (key.sym == SDLK_SPACE)
        std::cout << "Click en (" << MouseX() << ", " << MouseY() << ")" << std::endl;
    // Typed characters go to an open input box, which keeps those its
    // input type accepts. Keys that type nothing (Shift, Ctrl, arrows) and
    // characters the glyph sheet lacks add nothing.
    if (modes.TopType() == 8 && modes.TopState() == ModeActive) {
        const int typed = UnicodeToCp1252(key.unicode);
        if (typed >= 32 && typed != 0x7F)
            inputBox.AddChar(static_cast<char>(typed));
    }
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

CMenuBase* CGame::WidgetForMode(std::uint16_t type)
{
    switch (type) {
    case 5: return &messageBox;
    case 6: return &dialogBox;
    case 7: return &choiceBox;
    case 8: return &inputBox;
    default: return MenuWidgetForMode(type);
    }
}
