#pragma once

#include <SDL/SDL.h>

#include <array>
#include <ostream>
#include <string>

#include "game/GameAction.h"

// The physical key of every game action. Without a file the keys are the
// game's own (arrows, q, Return, w, Backspace); a `touches.txt` in the world
// folder changes some of them, one "action = key" a line:
//
//   # left-handed
//   act = e
//   back = r
//
// Action names: left right up down act menu back erase. Key names are SDL's
// ("a", "return", "left", "space", "f1", "[4]" ...). Blank lines and lines
// starting with '#' are skipped. The keys the game keeps for itself
// (escape, f5, f11, f12) cannot be given to an action, and a file larger
// than 64 KB is not read.
class KeyBindings {
public:
    static const std::size_t kMaxFileBytes = 64 * 1024;

    KeyBindings();

    SDLKey Key(GameAction action) const { return keys[static_cast<int>(action)]; }
    // Reads the file when it exists. A line it cannot understand is reported
    // on `report` with its line number and changes nothing.
    void Load(const std::string& dataPath, std::ostream& report);
    // The SDL key called `name` (SDL must be initialised); false for none.
    static bool KeyNamed(const std::string& name, SDLKey& key);
    // Escape, F5, F11, F12: what they do cannot be changed.
    static bool Reserved(SDLKey key);
    static bool ActionNamed(const std::string& name, GameAction& action);

private:
    std::array<SDLKey, static_cast<int>(GameAction::Count)> keys;
};
