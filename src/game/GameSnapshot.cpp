#include "game/GameSnapshot.h"

#include <initializer_list>
#include <memory>

#include "game/CGame.h"
#include "image/TextureFilter.h"
#include "widgets/DefaultFontTexture.h"

const char* const GameSnapshot::kFadeRunning = "Un fondu est en cours.";
const char* const GameSnapshot::kBoxClosing = "Une bo\xEEte se ferme.";
const char* const GameSnapshot::kUnknownMode = "Le jeu est dans un \xE9tat qui ne peut pas \xEAtre sauv\xE9.";
const char* const GameSnapshot::kScriptsDiffer = "Les scripts du jeu ne correspondent plus \xE0 cette sauvegarde.";
const char* const GameSnapshot::kMapMissing = "La carte de cette sauvegarde manque.";
const char* const GameSnapshot::kStepping = "Le h\xE9ros est entre deux cases.";

namespace {

// The command word that opens each box.
const char* BoxCommand(std::uint16_t mode)
{
    switch (mode) {
    case 5: return "Lire";
    case 6: return "Dire";
    case 7: return "Choix";
    case 8: return "Input";
    default: return "";
    }
}

void CloseAtOnce(CMenuBase& widget)
{
    const bool animated = widget.animated;
    widget.animated = false;
    widget.StepClose();
    widget.animated = animated;
}

void CloseBox(CDialogBox& box)
{
    CloseAtOnce(box);
    CloseAtOnce(box.portrait);
    box.ClearPages();
}

SavedRun RunOf(const CScript& run)
{
    SavedRun saved;
    saved.script = run.id;
    saved.programCounter = run.programCounter;
    saved.ints = run.intVariables.entries;
    saved.floats = run.floatVariables.entries;
    saved.strings = run.stringVariables.entries;
    return saved;
}

} // namespace

bool GameSnapshot::Capture(CGame& game, const ScriptCommand* waiting, SavedGame& saved, std::string& whyNot)
{
    SavedGame taken;
    // The game's own modes lie under the menu's (10 and above).
    for (const ModeEntry& mode : game.modes.Entries()) {
        if (mode.type >= 10)
            break;
        if (taken.box.mode != 0) {
            whyNot = kUnknownMode;
            return false;
        }
        if (mode.type == 3) {
            whyNot = kFadeRunning;
            return false;
        }
        if (mode.type == 1 || mode.type == 2) {
            taken.modes.push_back(mode);
            continue;
        }
        if (mode.type < 5 || mode.type > 8 || !waiting || waiting->name != BoxCommand(mode.type)) {
            whyNot = kUnknownMode;
            return false;
        }
        if (mode.state == ModeClosing) {
            whyNot = kBoxClosing;
            return false;
        }
        taken.box.mode = mode.type;
        taken.box.command = *waiting;
    }
    for (std::size_t i = taken.modes.size() + (taken.box.mode ? 1 : 0); i < game.modes.Size(); ++i)
        if (game.modes.Entries()[i].type < 10) {
            whyNot = kUnknownMode;
            return false;
        }
    if (taken.modes.empty()) {
        whyNot = kUnknownMode;
        return false;
    }
    if (game.fade.active) {
        whyNot = kFadeRunning;
        return false;
    }
    // The walker's step is not saved: a grid step under way must end first.
    if (game.gridWalk.Stepping()) {
        whyNot = kStepping;
        return false;
    }
    switch (taken.box.mode) {
    case 5: taken.box.pagesLeft = static_cast<std::uint32_t>(game.messageBox.pages.size()); break;
    case 6: taken.box.pagesLeft = static_cast<std::uint32_t>(game.dialogBox.pages.size()); break;
    case 7: taken.box.selected = game.choiceBox.selected; break;
    case 8: taken.box.typed = game.inputBox.GetInputText(); break;
    default: break;
    }

    taken.worldFiles = WorldFolderChecksums();
    taken.globals = game.scriptEngine.Globals();
    for (const auto& hero : game.map.Heroes())
        taken.heroes.push_back(*hero);
    taken.activeHero = game.activeHero;
    taken.mapName = game.map.Name();
    for (const auto& npc : game.map.Npcs())
        taken.npcs.push_back(*npc);
    taken.scrollX = game.map.ScrollX();
    taken.scrollY = game.map.ScrollY();
    taken.fontTexture = defaultFontTexture;
    for (const CScript& run : game.scriptEngine.RunQueue())
        taken.runs.push_back(RunOf(run));
    taken.scriptsRunning = game.scriptEngine.IsRunning();
    std::queue<ScriptCommand> commands = game.scriptEngine.CommandQueue();
    for (; !commands.empty(); commands.pop())
        taken.commands.push_back(commands.front());
    taken.choiceVariable = game.choiceVariable;
    taken.inputVariable = game.inputVariable;
    taken.lastStepTile = game.lastStepTile;
    taken.lastStepFacing = game.lastStepFacing;
    saved = std::move(taken);
    return true;
}

bool GameSnapshot::Restore(CGame& game, const SavedGame& saved, std::string& whyNot)
{
    // Everything that can refuse is checked before the game changes.
    std::deque<CScript> runs;
    for (const SavedRun& savedRun : saved.runs) {
        const CScript* script = game.scriptEngine.FindLoadedScript(savedRun.script);
        if (!script || static_cast<std::size_t>(savedRun.programCounter) > script->tokens.size()) {
            whyNot = kScriptsDiffer;
            return false;
        }
        runs.push_back(*script);
        CScript& run = runs.back();
        run.programCounter = savedRun.programCounter;
        for (const auto& variable : savedRun.ints)
            run.intVariables.Append(variable.first, variable.second);
        for (const auto& variable : savedRun.floats)
            run.floatVariables.Append(variable.first, variable.second);
        for (const auto& variable : savedRun.strings)
            run.stringVariables.Append(variable.first, variable.second);
    }
    if (saved.box.mode != 0 && saved.box.command.name != BoxCommand(saved.box.mode)) {
        whyNot = kUnknownMode;
        return false;
    }
    if (!saved.mapName.empty() && !CMap().LoadMap(saved.mapName)) {
        whyNot = kMapMissing;
        return false;
    }

    for (CDialogBox* box : std::initializer_list<CDialogBox*>{&game.dialogBox, &game.choiceBox, &game.inputBox})
        CloseBox(*box);
    CloseAtOnce(game.messageBox);
    game.messageBox.ClearPages();
    game.inputBox.ResetInput();
    for (std::uint16_t type = 10; type <= 19; ++type)
        if (CMenuBase* widget = game.MenuWidgetForMode(type))
            CloseAtOnce(*widget);
    CloseAtOnce(game.menuTextBox);

    if (saved.mapName.empty()) {
        game.map.UnloadMap();
    } else {
        game.map.LoadMap(saved.mapName);
        for (const MapTexture& texture : game.map.Textures())
            game.textures.Load(game.scratchImage, "tga\\" + texture.file, texture.name, TextureNearest);
    }
    CMap::NpcList npcs;
    for (const CNpc& npc : saved.npcs)
        npcs.push_back(std::make_unique<CNpc>(npc));
    CMap::HeroList heroes;
    for (const CHero& hero : saved.heroes)
        heroes.push_back(std::make_unique<CHero>(hero));
    game.map.ReplaceCharacters(std::move(npcs), std::move(heroes));
    game.map.SetScroll(saved.scrollX, saved.scrollY);
    game.activeHero = saved.activeHero;
    defaultFontTexture = saved.fontTexture;
    game.choiceVariable = saved.choiceVariable;
    game.inputVariable = saved.inputVariable;
    game.lastStepTile = saved.lastStepTile;
    game.lastStepFacing = saved.lastStepFacing;
    game.gridWalk.Reset();

    std::queue<ScriptCommand> commands;
    // The box's command goes first again: carrying it out opens the box.
    if (saved.box.mode != 0)
        commands.push(saved.box.command);
    for (const ScriptCommand& command : saved.commands)
        commands.push(command);
    game.scriptEngine.RestoreState(saved.globals, std::move(runs), std::move(commands), saved.scriptsRunning);

    game.modes.Clear();
    for (const ModeEntry& mode : saved.modes)
        game.modes.Push(mode);
    game.commandsMayRun = true;
    game.commandsDrained = false;
    game.fade.level = 100;
    game.fade.active = false;
    if (saved.box.mode == 0) {
        game.FadeIn(6);
        return true;
    }
    game.RunWorldCommands();
    switch (saved.box.mode) {
    case 5:
        while (game.messageBox.pages.size() > saved.box.pagesLeft)
            game.messageBox.pages.pop();
        break;
    case 6:
        while (game.dialogBox.pages.size() > saved.box.pagesLeft)
            game.dialogBox.pages.pop();
        break;
    case 7: game.choiceBox.SetSelected(saved.box.selected); break;
    case 8:
        for (char c : saved.box.typed)
            game.inputBox.AddChar(c);
        break;
    default: break;
    }
    // The box waits on top: the fade plays under it without a mode of its
    // own, which would let the commands after the box run when it ends.
    game.fade.StartIn(6);
    return true;
}
