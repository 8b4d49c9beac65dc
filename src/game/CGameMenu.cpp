// The in-game menu's part of the game. Until the menu's screens exist, the
// menu modes have no widget and the back key leads straight to the map.

#include "game/CGame.h"

void CGame::SetUpMenu()
{
}

CMenuBase* CGame::MenuWidgetForMode(std::uint16_t)
{
    return nullptr;
}

void CGame::MenuCursorKeys()
{
}

void CGame::ConfirmMenu()
{
}

void CGame::BackOutOfMenu()
{
    const std::uint16_t type = modes.TopType();
    if (type < 10 || type > 18)
        return;
    modes.Pop();
    if (type == 10)
        FadeIn(6);
}

void CGame::DrawMenu()
{
}
