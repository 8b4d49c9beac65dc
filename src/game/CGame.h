#pragma once

#include <cstdint>
#include <string>

#include "engine/Tessel_Engine.h"
#include "game/CFade.h"
#include "game/ModeStack.h"
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

class CMenuBase;

// The one game: it owns every piece of game state and drives it frame by
// frame. Its mode stack decides what is drawn, where the keys go and when
// the script's world commands may go on.
class CGame : public Tessel_Engine {
public:
    static const std::uint32_t kDefaultFramePeriodMs = 30;
    static constexpr const char* kTitle = "Lanternwork by Odrin";
    static constexpr const char* kDefaultWorld = "wor\\Sylva.world";

    CGame();

    void Init() override;
    void Update(float elapsedMs) override;
    void Draw() override;
    void OnKeyDown(SDL_keysym key) override;

    void FadeIn(int speed);
    void FadeOut(int speed);
    CMenuBase* WidgetForMode(std::uint16_t type);
    void LoadWorld(const std::string& path);
    void RunWorldCommands();

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

    // Pictures of the world are read and uploaded through this one record.
    TgaImage scratchImage;
    ModeStack modes;
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

    std::int32_t activeHero = 0;
    bool commandsDrained = true;
    bool commandsMayRun = true;
    std::string choiceVariable;
    std::string inputVariable;
    std::int32_t menuEntry = 0;
    std::int32_t menuHero = 0;
    std::int32_t menuPool = 0;
    // MillisecondsSinceStart() when the previous frame's pacing ended.
    std::uint32_t lastTick = 0;

private:
    void SetUpWidgets();
    void AdvanceTopWidget();
    void PaceFrame();

    std::uint32_t framePeriodMs = kDefaultFramePeriodMs;
};
