#include "game/SaveMenu.h"

#include <cstdio>
#include <iostream>
#include <vector>

#include "game/CGame.h"
#include "game/GameSettings.h"
#include "game/GameSnapshot.h"
#include "game/SaveGameReader.h"
#include "game/SaveGameWriter.h"
#include "platform/DataFile.h"
#include "platform/FileReplacement.h"

namespace {

const char kSaveFolder[] = "saves";
// Larger than any save a world makes; a larger file is refused unread.
const std::size_t kMaxSaveBytes = 16 * 1024 * 1024;

std::string PlayTime(std::uint32_t frames)
{
    const std::uint64_t seconds = std::uint64_t(frames) * SaveMenu::kFrameMs / 1000;
    char text[32];
    std::snprintf(text, sizeof text, "%u:%02u:%02u", static_cast<unsigned>(seconds / 3600),
                  static_cast<unsigned>(seconds / 60 % 60), static_cast<unsigned>(seconds % 60));
    return text;
}

bool ReadSlot(std::int32_t slot, SavedGame& saved, std::string& whyRefused, bool& empty)
{
    std::vector<std::uint8_t> bytes;
    empty = false;
    if (!ReadDataFile(SaveMenu::SlotPath(slot), bytes, kMaxSaveBytes)) {
        std::FILE* file = OpenDataFile(SaveMenu::SlotPath(slot), "rb");
        empty = !file;
        if (file)
            std::fclose(file);
        whyRefused = SaveGameReader::kDamaged;
        return false;
    }
    return SaveGameReader::Read(bytes.data(), bytes.size(), saved, whyRefused);
}

} // namespace

void SaveMenu::Configure(const GameSettings& settings)
{
    std::vector<std::string> problems;
    layout.Read(settings, problems);
    for (const std::string& problem : problems)
        std::cerr << problem << "\n";
}

std::string SaveMenu::SlotPath(std::int32_t slot)
{
    return std::string(kSaveFolder) + "\\slot" + std::to_string(slot + 1) + ".sav";
}

std::string SaveMenu::SlotSummary(std::int32_t slot) const
{
    SavedGame saved;
    std::string why;
    bool empty = false;
    const std::string number = std::to_string(slot + 1) + " ";
    if (!ReadSlot(slot, saved, why, empty))
        return number + (empty ? layout.Text("empty") : "???");
    return number + saved.mapName + " " + PlayTime(saved.playFrames);
}

void SaveMenu::FillSlots(const std::string& title)
{
    slotList.ClearPages();
    slotList.SetText(title);
    slotList.SetItemCount(kSlotCount);
    slotList.SetVisibleRows(kSlotCount);
    for (std::int32_t i = 0; i < kSlotCount; ++i)
        slotList.SetItem(i, SlotSummary(i), i);
}

bool SaveMenu::OpenFor(CGame& game, std::int32_t value)
{
    const bool saving = value == MenuLayout::kSaveEntry || value == MenuLayout::kLoadEntry;
    if (!(saving && layout.save) && !(value == MenuLayout::kQuitEntry && layout.quit))
        return false;
    purpose = value;
    askedSlot = -1;
    const std::int32_t width = game.Width();
    slotList.backColor = game.mainMenu.backColor;
    slotList.SetRect(width - 502, 1, 300, 0);
    if (saving) {
        FillSlots(layout.Text(value == MenuLayout::kSaveEntry ? "save_title" : "load_title"));
        const std::int32_t selected = slotList.selected;
        slotList.SetSelected(selected >= 0 && selected < kSlotCount ? selected : 0);
    } else {
        slotList.ClearPages();
        slotList.SetText(layout.Text("quit_title"));
        slotList.SetItemCount(2);
        slotList.SetVisibleRows(2);
        slotList.SetItem(0, layout.Text("no"), 0);
        slotList.SetItem(1, layout.Text("yes"), 1);
        slotList.SetSelected(0);
    }
    game.modes.Push(kSlotMode, ModeOpening);
    return true;
}

void SaveMenu::Say(CGame& game, const std::string& message)
{
    game.menuTextBox.SetRect(slotList.rect.x, 160, slotList.rect.w, 120);
    game.menuTextBox.ShowText(message);
}

void SaveMenu::Confirm(CGame& game)
{
    const std::int32_t choice = slotList.GetResult();
    if (purpose == MenuLayout::kQuitEntry) {
        if (choice == 1)
            game.Quit();
        else
            game.modes.TopState() = ModeClosing;
        return;
    }
    if (choice < 0 || choice >= kSlotCount)
        return;
    std::string message;
    if (purpose == MenuLayout::kSaveEntry) {
        SaveToSlot(game, choice, message);
        slotList.SetItem(choice, SlotSummary(choice), choice);
        Say(game, message);
        return;
    }
    const LoadResult result = LoadSlot(game, choice, askedSlot == choice, message);
    askedSlot = result == LoadResult::AskAgain ? choice : -1;
    if (result != LoadResult::Loaded)
        Say(game, message);
}

bool SaveMenu::SaveToSlot(CGame& game, std::int32_t slot, std::string& message)
{
    // A grid step the menu interrupted ends now: the save holds the hero on
    // the tile it was walking to, where the game goes on from too.
    CHero* hero = game.map.FindHero(game.activeHero);
    if (game.gridWalk.Stepping() && hero)
        game.gridWalk.FinishStep(game.map, *hero);
    SavedGame saved;
    std::string whyNot;
    if (!GameSnapshot::Capture(game, &waiting, saved, whyNot)) {
        message = layout.Text("cannot_save") + " " + whyNot;
        return false;
    }
    saved.playFrames = playFrames;
    const std::vector<std::uint8_t> bytes = SaveGameWriter::Write(saved);
    if (!MakeDataFolder(kSaveFolder) || !ReplaceDataFile(SlotPath(slot), bytes.data(), bytes.size())) {
        message = layout.Text("write_failed");
        return false;
    }
    message = layout.Text("saved");
    return true;
}

SaveMenu::LoadResult SaveMenu::LoadSlot(CGame& game, std::int32_t slot, bool otherWorldAccepted,
                                        std::string& message)
{
    SavedGame saved;
    std::string why;
    bool empty = false;
    if (!ReadSlot(slot, saved, why, empty)) {
        message = empty ? layout.Text("empty_slot") : layout.Text("cannot_load") + " " + why;
        return LoadResult::Refused;
    }
    if (!otherWorldAccepted && saved.worldFiles != WorldFolderChecksums()) {
        message = layout.Text("other_world");
        return LoadResult::AskAgain;
    }
    if (!GameSnapshot::Restore(game, saved, why)) {
        message = layout.Text("cannot_load") + " " + why;
        return LoadResult::Refused;
    }
    playFrames = saved.playFrames;
    message.clear();
    return LoadResult::Loaded;
}
