#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "game/GameSnapshot.h"
#include "game/PlayedWorld.h"
#include "game/SaveGameReader.h"
#include "game/SaveGameWriter.h"
#include "game/SaveSteps.h"

namespace {

const std::int32_t kSave = MenuLayout::kSaveEntry;
const std::int32_t kLoad = MenuLayout::kLoadEntry;

// The played world with saving asked for in its settings file, played with
// the keyboard through the menu where the player would.
class SaveGame : public ::testing::Test {
protected:
    void Start(const std::vector<WorldFolder::Script>& scripts = {}, const std::string& settings = "menu.save = true\n")
    {
        // The game left goes first: each game returns to the folder it
        // started from when it ends.
        world.reset();
        world = std::make_unique<PlayedWorld>(scripts);
        std::ofstream(world->FolderPath() + "/game.cfg") << settings;
        world->StartAgain();
        ASSERT_GT(world->UntilExploring(), 0);
    }

    CGame& game() { return world->game(); }
    GameHarness& run() { return world->run(); }
    std::string Path(const std::string& relative) { return world->FolderPath() + "/" + relative; }

    bool RunUntil(const std::function<bool()>& condition, int limit = 300)
    {
        return condition() || run().RunUntil(condition, limit) > 0;
    }
    bool UntilActive(std::uint16_t type)
    {
        return RunUntil([&] { return game().modes.TopType() == type && game().modes.TopState() == ModeActive; });
    }
    bool UntilExploring() { return world->UntilExploring() >= 0; }

    void Highlight(CChoiceBox& list, std::int32_t value) { HighlightWithArrows(run(), list, value); }
    // From the map: Return, the main menu's entry, and the slot list (or
    // the question) open.
    void OpenEntry(std::int32_t value)
    {
        run().Hit(SDLK_RETURN);
        ASSERT_TRUE(UntilActive(10));
        Highlight(game().mainMenu, value);
        run().Hit(SDLK_q);
        ASSERT_TRUE(UntilActive(SaveMenu::kSlotMode));
    }
    void ConfirmSlot(std::int32_t slot)
    {
        Highlight(game().saveMenu.slotList, slot);
        run().Hit(SDLK_q);
    }
    // Saves into a slot from the map and steps back out of the menu.
    void SaveThroughMenu(std::int32_t slot)
    {
        OpenEntry(kSave);
        ConfirmSlot(slot);
        EXPECT_EQ(MenuText(), game().saveMenu.layout.Text("saved"));
        EXPECT_EQ(game().modes.TopType(), SaveMenu::kSlotMode);
        run().Hit(SDLK_w);
        ASSERT_TRUE(UntilActive(10));
        run().Hit(SDLK_w);
        ASSERT_TRUE(UntilExploring());
    }
    void LoadThroughMenu(std::int32_t slot)
    {
        OpenEntry(kLoad);
        ConfirmSlot(slot);
    }

    // The first page of the menu's text box, its lines joined again.
    std::string MenuText() { return Unwrapped(game().menuTextBox); }
    static std::string Unwrapped(const CTextBox& box)
    {
        std::string page = box.pages.empty() ? std::string() : box.pages.front();
        for (char& c : page)
            if (c == '\n')
                c = ' ';
        return page.substr(0, page.find_last_not_of(' ') + 1);
    }
    std::vector<std::uint8_t> SlotBytes(std::int32_t slot)
    {
        std::ifstream file(Path("saves/slot" + std::to_string(slot + 1) + ".sav"), std::ios::binary);
        return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    void WriteSlot(std::int32_t slot, const std::vector<std::uint8_t>& bytes)
    {
        std::ofstream(Path("saves/slot" + std::to_string(slot + 1) + ".sav"), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    std::vector<std::uint8_t> State() { return StateAsSaved(game()); }
    // The state a slot file holds, in the same form.
    std::vector<std::uint8_t> SavedState(std::int32_t slot)
    {
        const std::vector<std::uint8_t> bytes = SlotBytes(slot);
        SavedGame saved;
        std::string why;
        EXPECT_TRUE(SaveGameReader::Read(bytes.data(), bytes.size(), saved, why)) << why;
        saved.playFrames = 0;
        return SaveGameWriter::Payload(saved);
    }

    // Walks, changes globals and raises a statistic: everything a save must
    // bring back.
    void ChangeTheGame()
    {
        run().Press(SDLK_DOWN);
        run().RunFrames(12);
        run().Release(SDLK_DOWN);
        world->Run(60);
        run().RunFrames(2);
        ASSERT_TRUE(UntilExploring());
        world->hero().stats.hpMax += 100;
    }

    std::unique_ptr<PlayedWorld> world;
};

const WorldFolder::Script kChangeGlobals = {
    60, "SetGlobalNum \"or\" , 12 ; SetGlobalString \"CarteEnCours\" , \"ailleurs\" ; SetGlobalNum \"HAUT\" , 9 ;"};

TEST_F(SaveGame, LoadingBringsBackTheWholeStateSaved)
{
    Start({kChangeGlobals});
    run().Press(SDLK_DOWN);
    run().RunFrames(3);
    run().Release(SDLK_DOWN);
    ASSERT_TRUE(UntilExploring());
    const std::vector<std::uint8_t> before = State();
    SaveThroughMenu(0);
    EXPECT_EQ(SavedState(0), before);

    const std::uint32_t hpBefore = world->hero().stats.hpMax;
    ChangeTheGame();
    ASSERT_NE(State(), before);
    EXPECT_EQ(game().scriptEngine.GetGlobal("or").AsInt(), 12);

    LoadThroughMenu(0);
    // The menu closed at once and the saved game fades in.
    EXPECT_EQ(game().modes.TopType(), 3);
    EXPECT_EQ(game().mainMenu.state, WidgetState::Closed);
    EXPECT_EQ(game().saveMenu.slotList.state, WidgetState::Closed);
    ASSERT_TRUE(UntilExploring());
    EXPECT_EQ(State(), before);
    EXPECT_EQ(world->hero().stats.hpMax, hpBefore);
    // The slot list names the map and the play time.
    EXPECT_EQ(game().saveMenu.SlotSummary(0).substr(0, 4), "1 m ");
    EXPECT_EQ(game().saveMenu.SlotSummary(1), "2 vide");
}

TEST_F(SaveGame, ASaveOutlivesTheGameThatMadeIt)
{
    Start({kChangeGlobals});
    ChangeTheGame();
    const std::vector<std::uint8_t> before = State();
    SaveThroughMenu(2);

    world->StartAgain();
    ASSERT_TRUE(UntilExploring());
    ASSERT_NE(State(), before);
    LoadThroughMenu(2);
    ASSERT_TRUE(UntilExploring());
    EXPECT_EQ(State(), before);
}

// A save made while a script's box waits for the player loads into the same
// box, with the script still waiting in `bloque` behind it.
TEST_F(SaveGame, ASaveMadeInABoxLoadsIntoTheSameBox)
{
    const struct {
        const char* script;
        std::vector<SDLKey> before;  // keys pressed before saving
        std::uint16_t mode;
        SDLKey finish;
        const char* printed;
    } cases[] = {
        {"int k = 7 ; Dire HEROS , 1 , \"Un\" , \"Deux\" , \"Trois\" ; bloque ; Console \"apres\" k \"\\n\" ;",
         {SDLK_q}, 6, SDLK_q, "apres7\n"},
        {"Lire \"Un\" , \"Deux\" ; bloque ; float f = 2.5 ; Console \"lu\" f \"\\n\" ;", {}, 5, SDLK_q, "lu2.5\n"},
        {"int c ; Choix \"Lequel ?\" , HEROS , 1 , \"c\" , \"A\" , \"B\" , \"C\" ; bloque ; Console \"choix\" c \"\\n\" ;",
         {SDLK_DOWN, SDLK_DOWN}, 7, SDLK_q, "choix2\n"},
        {"string s ; Input \"Nom ?\" , HEROS , 1 , \"s\" , \"Mots\" ; bloque ; Console \"nom\" s \"\\n\" ;",
         {SDLK_a, SDLK_b}, 8, SDLK_RETURN, "nomab\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.script);
        Start({{50, c.script}});
        world->Run(50);
        ASSERT_TRUE(UntilActive(c.mode));
        for (SDLKey key : c.before) {
            if (c.mode == 8) {
                run().Type(key, static_cast<Uint16>('a' + (key - SDLK_a)));
                run().RunFrames(1);
            } else {
                run().Hit(key);
            }
            ASSERT_TRUE(UntilActive(c.mode));
        }
        std::string message;
        ASSERT_TRUE(game().saveMenu.SaveToSlot(game(), 1, message)) << message;
        const std::vector<std::uint8_t> saved = State();

        auto finish = [&] {
            for (int i = 0; i < 5 && game().modes.TopType() == c.mode; ++i) {
                ASSERT_TRUE(UntilActive(c.mode));
                run().Hit(c.finish);
                run().RunFrames(20);
            }
            ASSERT_TRUE(UntilExploring());
            run().RunFrames(2);
            EXPECT_EQ(world->Printed(), c.printed);
        };
        finish();

        ASSERT_EQ(game().saveMenu.LoadSlot(game(), 1, false, message), SaveMenu::LoadResult::Loaded) << message;
        EXPECT_EQ(game().modes.TopType(), c.mode);
        ASSERT_TRUE(UntilActive(c.mode));
        ASSERT_TRUE(RunUntil([&] { return !game().fade.active; }));
        EXPECT_EQ(State(), saved);
        finish();
    }
}

TEST_F(SaveGame, DamagedFilesAreRefusedAndTheGameGoesOn)
{
    Start();
    std::string message;
    ASSERT_TRUE(game().saveMenu.SaveToSlot(game(), 0, message));
    const std::vector<std::uint8_t> bytes = SlotBytes(0);
    ASSERT_GT(bytes.size(), 60u);
    run().Press(SDLK_DOWN);
    run().RunFrames(5);
    run().Release(SDLK_DOWN);
    ASSERT_TRUE(UntilExploring());
    const std::vector<std::uint8_t> now = State();

    auto refused = [&](const std::vector<std::uint8_t>& damaged, const char* why) {
        WriteSlot(0, damaged);
        std::string said;
        EXPECT_EQ(game().saveMenu.LoadSlot(game(), 0, true, said), SaveMenu::LoadResult::Refused);
        EXPECT_EQ(said, game().saveMenu.layout.Text("cannot_load") + " " + why);
    };
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        SCOPED_TRACE(length);
        refused(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + length),
                length < 8 ? SaveGameReader::kNotASave : SaveGameReader::kDamaged);
    }
    for (std::size_t at = 8; at < bytes.size(); ++at) {
        SCOPED_TRACE(at);
        std::vector<std::uint8_t> flipped = bytes;
        flipped[at] ^= 0x10;
        refused(flipped, SaveGameReader::kDamaged);
    }
    std::vector<std::uint8_t> longer = bytes;
    longer.push_back(0);
    refused(longer, SaveGameReader::kDamaged);
    EXPECT_EQ(State(), now);
    EXPECT_EQ(game().modes.Size(), 1u);

    // Through the menu: the refusal is said in the menu's text box, and the
    // slot list stays open.
    WriteSlot(0, std::vector<std::uint8_t>(bytes.begin(), bytes.end() - 1));
    LoadThroughMenu(0);
    EXPECT_EQ(MenuText(), game().saveMenu.layout.Text("cannot_load") + " " + SaveGameReader::kDamaged);
    EXPECT_EQ(game().modes.TopType(), SaveMenu::kSlotMode);
    EXPECT_EQ(game().saveMenu.SlotSummary(0), "1 ???");
    ConfirmSlot(1);
    EXPECT_EQ(MenuText(), game().saveMenu.layout.Text("empty_slot"));
    EXPECT_EQ(game().modes.TopType(), SaveMenu::kSlotMode);
}

TEST_F(SaveGame, ASaveOfOtherWorldFilesLoadsOnlyWhenConfirmedAgain)
{
    Start();
    SaveThroughMenu(0);
    std::ofstream(Path("tga/hero.tga"), std::ios::app) << 'x';
    world->Run(60);
    LoadThroughMenu(0);
    EXPECT_EQ(MenuText().substr(0, 20), game().saveMenu.layout.Text("other_world").substr(0, 20));
    EXPECT_EQ(game().modes.TopType(), SaveMenu::kSlotMode);
    // Moving away forgets the warning.
    run().Hit(SDLK_DOWN);
    ConfirmSlot(0);
    EXPECT_EQ(game().modes.TopType(), SaveMenu::kSlotMode);
    run().Hit(SDLK_q);
    EXPECT_EQ(game().modes.TopType(), 3);
}

TEST_F(SaveGame, NothingIsWrittenWhileAFadeRuns)
{
    Start({{70, "FadeOut 1 ;"}});
    world->Run(70);
    ASSERT_TRUE(RunUntil([&] { return game().modes.TopType() == 3; }));
    std::string message;
    EXPECT_FALSE(game().saveMenu.SaveToSlot(game(), 0, message));
    EXPECT_EQ(message, game().saveMenu.layout.Text("cannot_save") + " " + GameSnapshot::kFadeRunning);
    EXPECT_TRUE(SlotBytes(0).empty());
}

// A grid step under way is not saved half-walked: saving ends it first.
TEST_F(SaveGame, AGridStepEndsBeforeTheSave)
{
    Start({}, "movement = grid\nmenu.save = true\n");
    run().Press(SDLK_DOWN);
    run().RunFrames(2);
    run().Release(SDLK_DOWN);
    ASSERT_TRUE(game().gridWalk.Stepping());
    SavedGame saved;
    std::string message;
    EXPECT_FALSE(GameSnapshot::Capture(game(), nullptr, saved, message));
    EXPECT_EQ(message, GameSnapshot::kStepping);

    EXPECT_TRUE(game().saveMenu.SaveToSlot(game(), 0, message)) << message;
    EXPECT_FALSE(game().gridWalk.Stepping());
    EXPECT_EQ(world->hero().tileY * 100 + world->hero().offsetY, 600);
    const std::vector<std::uint8_t> saved0 = SavedState(0);
    EXPECT_EQ(State(), saved0);
}

TEST_F(SaveGame, TheWorldShapesTheMenu)
{
    Start({}, "menu.entries = statistics, save, load, quit\nmenu.label.quit = Leave\nmenu.title = MENU\n"
              "menu.quit = true\nmenu.text.yes = Yes\nmenu.save = true\n");
    std::vector<std::string> labels;
    for (std::int32_t i = 0; i < game().mainMenu.itemCount; ++i)
        labels.push_back(game().mainMenu.items[i]);
    EXPECT_EQ(labels, (std::vector<std::string>{"Statistiques", "Sauver", "Charger", "Leave"}));
    EXPECT_EQ(Unwrapped(game().mainMenu), "MENU");

    // Quitting, found by its entry's value wherever it stands, asks first; "no" goes back to the menu, "yes" ends the game.
    OpenEntry(MenuLayout::kQuitEntry);
    EXPECT_EQ(game().saveMenu.slotList.items[0] + "|" + game().saveMenu.slotList.items[1], "Non|Yes");
    ConfirmSlot(0);
    ASSERT_TRUE(UntilActive(10));
    EXPECT_FALSE(game().QuitRequested());
    Highlight(game().mainMenu, MenuLayout::kQuitEntry);
    run().Hit(SDLK_q);
    ASSERT_TRUE(UntilActive(SaveMenu::kSlotMode));
    ConfirmSlot(1);
    EXPECT_TRUE(game().QuitRequested());
}

} // namespace
