#pragma once

#include <SDL/SDL.h>

#include <utility>
#include <vector>

#include "game/GameAction.h"

// Turns SDL joystick events into game actions pressed and released: the
// d-pad (hat 0) or the left stick (axes 0 and 1) walk, button 0 acts,
// button 1 backs out, Start (button 7) opens the menu.
class GamepadInput {
public:
    static const int kActButton = 0;
    static const int kBackButton = 1;
    static const int kStartButton = 7;
    // How far the stick must lean before it walks (of 32767).
    static const int kDeadZone = 16000;

    using Change = std::pair<GameAction, bool>;  // action, now held
    std::vector<Change> Translate(const SDL_Event& event);

private:
    enum Source { Hat, Stick };
    void SetDirection(Source source, GameAction direction, bool held, std::vector<Change>& changes);

    // Held directions, from the hat and the stick separately, by action.
    bool held[2][4] = {};
};
