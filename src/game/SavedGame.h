#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "game/ModeEntry.h"
#include "game/SavedBox.h"
#include "game/SavedRun.h"
#include "platform/FileChecksum.h"
#include "script/CScriptValue.h"
#include "script/ScriptCommand.h"
#include "world/CHero.h"
#include "world/CNpc.h"
#include "world/TilePos.h"

// Everything that makes a game the same game, as a plain record: what a save
// file holds. The world itself (scripts, maps, pictures) is not in it, only
// the checksums of its files, so that a save made with other files is known.
struct SavedGame {
    // Shown in the slot list; not part of the game's state.
    std::uint32_t playFrames = 0;
    std::vector<FileChecksum> worldFiles;

    // Global variables in creation order, each with its kind.
    std::vector<std::pair<std::string, CScriptValue>> globals;
    // The party in the order of the hero list, whole records.
    std::vector<CHero> heroes;
    std::int32_t activeHero = 0;
    // The current map (empty: none yet) and its characters as they stand.
    std::string mapName;
    std::vector<CNpc> npcs;
    std::int32_t scrollX = 0;
    std::int32_t scrollY = 0;
    std::uint32_t fontTexture = 0;

    // Script runs in queue order (the front one first), whether the engine
    // was running or waiting in `bloque`, and the world commands queued.
    std::vector<SavedRun> runs;
    bool scriptsRunning = false;
    std::vector<ScriptCommand> commands;

    // The game's modes under the menu (1 or 2), and the script's box above
    // them when one was open.
    std::vector<ModeEntry> modes;
    SavedBox box;
    std::string choiceVariable;
    std::string inputVariable;
    // Where the last step-on script fired, so that standing still after
    // loading does not fire it again.
    TilePos lastStepTile;
    std::uint16_t lastStepFacing = 0;
};
