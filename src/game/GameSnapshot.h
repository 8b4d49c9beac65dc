#pragma once

#include <string>

#include "game/SavedGame.h"

class CGame;

// Takes the state of a running game into a SavedGame and puts one back.
//
// A game is taken only at a moment it can be given back exactly: on the map
// or in the menu over it, or while a script's box (message, dialogue,
// choice, input) waits for the player. It is refused, with a sentence for
// the player, while a fade runs (mode 3: the fade's progress and the command
// that started it are gone from the queue), while a box is closing (the
// commands after it are about to run), while the hero is between two tiles
// in a grid step, and in any mode a save cannot name.
class GameSnapshot {
public:
    // `waiting`: the world command that opened the box on top, if any
    // (the command queue no longer holds it).
    static bool Capture(CGame& game, const ScriptCommand* waiting, SavedGame& saved, std::string& whyNot);
    // Checks everything first: when the save does not fit this world (a run
    // of a script the world lacks or past its end, a map that cannot be
    // read, a box command that names another box), nothing changes and
    // `whyNot` says so. Otherwise every widget is closed, the saved state
    // replaces the game's, the box is opened again and the screen fades in.
    static bool Restore(CGame& game, const SavedGame& saved, std::string& whyNot);

    static const char* const kFadeRunning;
    static const char* const kBoxClosing;
    static const char* const kUnknownMode;
    static const char* const kScriptsDiffer;
    static const char* const kMapMissing;
    static const char* const kStepping;
};
