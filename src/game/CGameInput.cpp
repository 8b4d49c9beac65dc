// The keyboard, read once a frame from the key-state table and routed by the
// top of the mode stack.

#include "game/CGame.h"
#include "script/ScriptConversions.h"

namespace {

// A character's collision box: 24 x 16 pixels at the bottom of its sprite.
const int kBoxWidth = 24;
const int kBoxHeight = 16;

bool IsMenuListMode(std::uint16_t type)
{
    return type == 10 || type == 11 || type == 13 || type == 14 || type == SaveMenu::kSlotMode;
}

} // namespace

bool CGame::ConsumeKey(SDLKey sym)
{
    if (!KeyHeld(sym))
        return false;
    KeyStates()[sym] = 0;
    return true;
}

void CGame::HandleInput()
{
    // Without an active hero the map keys do nothing, and the lookup says so
    // once a frame rather than once per key.
    CHero* hero = map.FindHero(activeHero);
    const std::uint16_t type = modes.TopType();

    if (type == 2) {
        if (hero)
            WalkOnMap(*hero);
        if (ConsumeKey(Bound(GameAction::Menu))) {
            modes.Push(10, ModeOpening);
            FadeOut(6);
            return;
        }
    } else if (type == 7) {
        if (ConsumeKey(Bound(GameAction::Up)))
            choiceBox.CursorUp();
        if (ConsumeKey(Bound(GameAction::Down)))
            choiceBox.CursorDown();
    } else if (IsMenuListMode(type)) {
        MenuCursorKeys();
    } else if (type == 8 && modes.TopState() == ModeActive) {
        if (ConsumeKey(Bound(GameAction::Menu))) {
            const std::string text = inputBox.GetInputText();
            if (inputBox.inputType == CInputBox::Integer)
                scriptEngine.SetInt(inputVariable, StrToInt(text));
            else if (inputBox.inputType == CInputBox::RealNumber)
                scriptEngine.SetFloat(inputVariable, StrToFloat(text));
            else
                scriptEngine.SetString(inputVariable, text);
            inputBox.ResetInput();
            modes.TopState() = ModeClosing;
        }
        if (ConsumeKey(Bound(GameAction::Erase)))
            inputBox.DeleteLastChar();
    }

    if (ConsumeKey(Bound(GameAction::Act))) {
        if (modes.TopType() == 2 && hero && ActOnMap(*hero))
            return;
        if (modes.TopState() == ModeActive) {
            ConfirmTopMode();
        } else if (modes.TopState() == ModeOpening) {
            if (CMenuBase* widget = WidgetForMode(modes.TopType()))
                widget->ShowInstantly();
        }
    }
    if (ConsumeKey(Bound(GameAction::Back)))
        BackOutOfMenu();
}

void CGame::WalkOnMap(CHero& hero)
{
    const bool grid = settings.GridMovement();
    if (grid) {
        gridWalk.Frame(map, hero, HeldArrows(), FrameNumber());
    } else {
        // Arrows are not consumed: a held arrow keeps walking, and two
        // arrows walk diagonally.
        const GridWalk::Arrows held = HeldArrows();
        for (int direction : {0, 2, 3, 1})
            if (held[direction])
                map.MoveCharacter(1, activeHero, direction, 3);
    }
    map.CenterOnCharacter(1, activeHero);

    // A tile's step-on script fires when the hero arrives on it and each
    // time it turns there, not while it stands still; a grid step arrives
    // only when it ends on the tile.
    if (grid && gridWalk.Stepping())
        return;
    const TilePos tile = map.StandingTile(1, activeHero);
    if (tile.valid && (tile != lastStepTile || hero.facing != lastStepFacing)) {
        lastStepTile = tile;
        lastStepFacing = hero.facing;
        scriptEngine.RunScript(map.EventAt(tile.x, tile.y).stepOnScript, tile.x, tile.y, -1);
    }
}

GridWalk::Arrows CGame::HeldArrows() const
{
    return {KeyHeld(Bound(GameAction::Left)), KeyHeld(Bound(GameAction::Down)), KeyHeld(Bound(GameAction::Right)),
            KeyHeld(Bound(GameAction::Up))};
}

bool CGame::ActOnMap(const CHero& hero)
{
    // Walking tile by tile, the hero acts on the neighbouring tile and on
    // whoever stands there, however the boxes line up.
    const bool grid = settings.GridMovement();
    const CPerso* target = grid ? GridWalk::CharacterInFront(map, hero) : CharacterAtActionPoint(hero);
    if (target) {
        scriptEngine.RunScript(target->actionScript, hero.tileX, hero.tileY, target->identifier);
        return true;
    }
    const TilePos tile = grid ? GridWalk::TileInFront(map, hero) : map.FacingTile(1, activeHero);
    if (tile.valid)
        scriptEngine.RunScript(map.EventAt(tile.x, tile.y).actionScript, tile.x, tile.y, -1);
    return false;
}

const CPerso* CGame::CharacterAtActionPoint(const CHero& hero) const
{
    // The point the hero acts on: in its collision box, moved one box width
    // or height in the direction it faces.
    std::int32_t px = 32 * hero.tileX + hero.offsetX + 16;
    std::int32_t py = 32 * hero.tileY + hero.offsetY + 24;
    switch (hero.facing) {
    case 0: px -= kBoxWidth; break;
    case 1: py += kBoxHeight; break;
    case 2: px += kBoxWidth; break;
    case 3: py -= kBoxHeight; break;
    default: break;
    }
    auto hits = [px, py](const CPerso& character) {
        const std::int32_t left = 32 * character.tileX + character.offsetX + 4;
        const std::int32_t top = 32 * character.tileY + character.offsetY + 16;
        return left <= px && px <= left + kBoxWidth && top <= py && py <= top + kBoxHeight;
    };
    // NPCs first, then the other heroes.
    for (const auto& npc : map.Npcs())
        if (hits(*npc))
            return npc.get();
    for (const auto& other : map.Heroes())
        if (other->identifier != hero.identifier && hits(*other))
            return other.get();
    return nullptr;
}

void CGame::ConfirmTopMode()
{
    const std::uint16_t type = modes.TopType();
    if (type == 5 || type == 6) {
        CTextBox& box = type == 5 ? static_cast<CTextBox&>(messageBox) : dialogBox;
        box.NextPage();
        // The next page types out: the mode opens again until it has.
        modes.TopState() = box.HasNoPage() ? ModeClosing : ModeOpening;
    } else if (type == 7) {
        scriptEngine.SetInt(choiceVariable, choiceBox.GetResult());
        modes.TopState() = ModeClosing;
    } else if (IsMenuListMode(type)) {
        ConfirmMenu();
    }
}
