#pragma once

#include <cstdint>
#include <string>

#include "engine/Tessel_Engine.h"
#include "game/CFade.h"
#include "game/CWorld.h"
#include "game/DeveloperMode.h"
#include "game/GameSettings.h"
#include "game/GamepadInput.h"
#include "game/KeyBindings.h"
#include "game/ModeStack.h"
#include "game/SaveMenu.h"
#include "image/TextureRegistry.h"
#include "image/TgaImage.h"
#include "script/CScriptEngine.h"
#include "widgets/CAssocChoiceBox.h"
#include "widgets/CChoiceBox.h"
#include "widgets/CDialogBox.h"
#include "widgets/CInputBox.h"
#include "widgets/CPersoChoiceBox.h"
#include "widgets/CStatBox.h"
#include "widgets/CTextBox.h"
#include "world/CMap.h"
#include "world/GridWalk.h"
#include "world/TilePos.h"

class CMenuBase;
class CommandArguments;
struct CPerso;

// The one game: it owns every piece of game state and drives it frame by
// frame. Its mode stack decides what is drawn, where the keys go and when
// the script's world commands may go on.
class CGame : public Tessel_Engine {
public:
    static const std::uint32_t kDefaultFramePeriodMs = 30;
    // Script statements one frame may run. A real script runs a few
    // thousand at most; at this many the window still answers (well under a
    // second a frame).
    static const std::uint64_t kFrameStatementBudget = 5000000;
    // World commands a script may queue ahead of the game: a whole chapter's
    // worth of dialogue is a few hundred. Past it the script waits, so a loop
    // that queues without end holds a few megabytes, not all the memory.
    static constexpr std::size_t kCommandQueueLimit = 65536;

    CGame();

    void Init() override;
    void Update(float elapsedMs) override;
    void Draw() override;
    void OnKeyDown(SDL_keysym key) override;
    void OnVideoModeChanged() override;
    void OnFrameDrawn() override;
    void OnJoystickEvent(const SDL_Event& event) override;

    // ---- Comforts (CGameComforts.cpp) ----
    // Record or replay a session when the environment asks for it
    // (TESSEL_RECORD, TESSEL_REPLAY, TESSEL_REPLAY_FAST) and seed the random
    // numbers. False when a replay cannot be played: the reason is printed
    // and the game ends with status 1.
    bool StartSession();
    // touches.txt and the gamepad.
    void SetUpControls();
    // The key the player uses for an action.
    SDLKey Bound(GameAction action) const { return bindings.Key(action); }

    // The settings file of the game folder (the current folder), then the
    // overrides; problems go to stderr and leave the defaults in place.
    void ReadSettings();

    void FadeIn(int speed);
    void FadeOut(int speed);
    CMenuBase* WidgetForMode(std::uint16_t type);
    // Starts the world file's game: its pictures, its scripts, its start
    // script. A missing or damaged world leaves the screen black in mode 1.
    void LoadWorld(const std::string& path);
    // Carries out the script's queued world commands in order until one of
    // them waits for the player or a fade.
    void RunWorldCommands();
    // The keyboard, once a frame: walking and acting on the map, turning
    // pages and confirming in the script's boxes, the menu's keys.
    void HandleInput();

    // ---- In-game menu (CGameMenu.cpp) ----
    // Rectangles, colours, entries and titles of the menu's widgets.
    void SetUpMenu();
    // The widget of a menu mode (10 to 18), or null.
    CMenuBase* MenuWidgetForMode(std::uint16_t type);
    // Up and down in the menu's list on top (modes 10, 11, 13, 14).
    void MenuCursorKeys();
    // The confirmation key on the active menu screen on top.
    void ConfirmMenu();
    // Steps back out of the active menu screen on top.
    void BackOutOfMenu();
    // Every menu widget that is not closed, in their fixed order.
    void DrawMenu();

    // Shortest time between the starts of two frames. Tests set it to 0.
    void SetFramePeriod(std::uint32_t ms) { framePeriodMs = ms; }

    // Test-play, preset globals and developer mode, from the command line.
    DeveloperMode developer;
    // The game folder's settings, read by Init from GameSettings::kFileName;
    // `settingOverrides` (the command line's, a test's) are applied after
    // the file's and win over them.
    GameSettings settings;
    GameSettings settingOverrides;
    // Where captures and saves go: empty for the game folder, else the
    // player's own folder (a game installed read-only), a PlayerFolder prefix.
    std::string playerFolder;
    // Pictures of the world are read and uploaded through this one record.
    TgaImage scratchImage;
    // Every texture the world and its maps loaded, to upload again after a
    // video mode change.
    TextureRegistry textures;
    KeyBindings bindings;
    GamepadInput gamepad;
    bool captureRequested = false;
    ModeStack modes;
    CWorld world;
    CMap map;
    CScriptEngine scriptEngine;
    CFade fade;
    CTextBox messageBox;    // mode 5
    CDialogBox dialogBox;   // mode 6
    CChoiceBox choiceBox;   // mode 7
    CInputBox inputBox;     // mode 8
    CAssocChoiceBox mainMenu;         // mode 10
    CPersoChoiceBox heroList;         // mode 11
    CStatBox statBox;                 // mode 12
    CChoiceBox conversionChoice;      // mode 13
    CAssocChoiceBox conversionList;   // mode 14
    CTextBox menuTextBox;             // explanations and results; no mode
    // Modes 15 to 18: the menu screens that do not exist yet say so here.
    CTextBox unavailableBox;
    // Saving, loading, quitting and the author's shape of the menu, all
    // asked for by the world's settings (SaveMenu.cpp).
    SaveMenu saveMenu;

    std::int32_t activeHero = 0;
    bool commandsDrained = true;
    bool commandsMayRun = true;
    std::string choiceVariable;
    std::string inputVariable;
    std::int32_t menuEntry = 0;
    std::int32_t menuHero = 0;
    std::int32_t menuPool = 0;
    // MillisecondsSinceStart() when the previous frame's pacing ended, and
    // the same moment in microseconds, which pacing counts from.
    std::uint32_t lastTick = 0;
    std::uint64_t lastTickMicros = 0;
    // Where and how the active hero stood when a step-on script last fired;
    // kept across maps.
    TilePos lastStepTile;
    std::uint16_t lastStepFacing = 0;
    // The hero's steps when the settings ask for grid movement.
    GridWalk gridWalk;

private:
    friend class DeveloperMode;
    void SetUpWidgets();
    void AdvanceTopWidget();
    void PaceFrame();

    // A held key is handled once: its entry in the key table is cleared, and
    // only the next key-down (a repeat) sets it again.
    bool ConsumeKey(SDLKey sym);
    void WalkOnMap(CHero& hero);
    // The arrows held, indexed by direction.
    GridWalk::Arrows HeldArrows() const;
    // True when the action started a character's script.
    bool ActOnMap(const CHero& hero);
    // The character whose collision box holds the free walker's action
    // point, or null.
    const CPerso* CharacterAtActionPoint(const CHero& hero) const;
    void ConfirmTopMode();

    // One world command; false when it waits for the player or a fade.
    bool RunWorldCommand(const ScriptCommand& command);
    bool CarryOutWorldCommand(const std::string& name, CommandArguments& arguments);
    void Lire(CommandArguments& arguments);
    void Dire(CommandArguments& arguments);
    void Choix(CommandArguments& arguments);
    void Input(CommandArguments& arguments);
    void SetHeros(CommandArguments& arguments);
    void LoadMapCommand(CommandArguments& arguments);
    // A hero for any kind but 2, an NPC for 2; null when there is none.
    CPerso* Character(std::int32_t kind, std::int32_t identifier) const;

    std::uint32_t framePeriodMs = kDefaultFramePeriodMs;
};
