#pragma once

#include <cstdint>
#include <string>

#include "game/MenuLayout.h"
#include "script/ScriptCommand.h"
#include "widgets/CAssocChoiceBox.h"

class CGame;
class GameSettings;

// Saving, loading and quitting from the in-game menu, and the author's
// shape of that menu. Everything here is asked for by the world's settings
// (MenuLayout); without them the menu is the classic one.
//
// "Sauver" and "Charger" open the slot list (mode 19) over the main menu:
// three slots, each naming the map and play time it holds, or that it is
// empty. Saving writes the slot and says so in the menu's text box; the list
// stays open. Loading a filled slot closes the menu and fades in on the saved
// game. A save made with other world files is loaded only when its slot is
// confirmed a second time. "Quitter" asks in the same list, then ends the
// game. The back key leaves the list as any menu screen.
class SaveMenu {
public:
    static constexpr std::int32_t kSlotCount = 3;
    static constexpr std::uint16_t kSlotMode = 19;
    // The play time counts frames of this length.
    static constexpr std::uint32_t kFrameMs = 30;

    enum class LoadResult { Loaded, Refused, AskAgain };

    // The author's menu from the settings; problems go to stderr.
    void Configure(const GameSettings& settings);

    // One frame of play has passed.
    void CountFrame() { ++playFrames; }
    // The world command that now waits for the player: a save made while its
    // box is open opens the box again with it.
    void NoteWaitingCommand(const ScriptCommand& command) { waiting = command; }
    const ScriptCommand& WaitingCommand() const { return waiting; }

    // The main menu's entry `value` was confirmed: true when this menu acts
    // on it (it then opened the slot list or the question).
    bool OpenFor(CGame& game, std::int32_t value);
    // The slot list's confirmation key.
    void Confirm(CGame& game);
    // The cursor moved in the slot list.
    void CursorMoved() { askedSlot = -1; }

    // Saves the game into a slot (0 to 2); `message` says how it went.
    bool SaveToSlot(CGame& game, std::int32_t slot, std::string& message);
    // Loads a slot. A save made with other world files is loaded only with
    // `otherWorldAccepted`, otherwise AskAgain and the warning.
    LoadResult LoadSlot(CGame& game, std::int32_t slot, bool otherWorldAccepted, std::string& message);
    // "saves\slot<n>.sav".
    static std::string SlotPath(std::int32_t slot);
    // What the slot list shows for a slot.
    std::string SlotSummary(std::int32_t slot) const;

    MenuLayout layout;
    CAssocChoiceBox slotList;  // mode 19
    std::uint32_t playFrames = 0;

private:
    void FillSlots(const std::string& title);
    void Say(CGame& game, const std::string& message);

    ScriptCommand waiting;
    // The entry the slot list serves: save, load or quit.
    std::int32_t purpose = 0;
    // The slot whose other-world warning was shown; confirming it again loads.
    std::int32_t askedSlot = -1;
};
