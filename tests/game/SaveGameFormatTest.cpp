#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/SaveEncoder.h"
#include "game/SaveGameReader.h"
#include "game/SaveGameWriter.h"

namespace {

// A record with every field away from its default, so that a field the
// writer or the reader forgets changes the bytes.
SavedGame EveryField()
{
    SavedGame game;
    game.playFrames = 123456;
    game.worldFiles = {{"wor\\W.world", 0xDEADBEEF}, {"tsl\\a.tsl", 7}};
    game.globals = {{"i", CScriptValue(std::int32_t(-5))}, {"f", CScriptValue(2.5f)}, {"s", CScriptValue(std::string("\xE9t\xE9"))}};
    CHero hero;
    hero.identifier = 3;
    hero.actionScript = 44;
    hero.name = "Aline";
    hero.texture = 70000;
    hero.frame = 2.25f;
    hero.facing = 3;
    hero.tileX = 9;
    hero.tileY = 11;
    hero.offsetX = -7;
    hero.offsetY = 31;
    hero.stats.hpMax = 900;
    hero.stats.xpMagical = -1;
    hero.stats.luck = 200;
    hero.stats.speed = 9;
    game.heroes = {hero, CHero()};
    game.activeHero = 3;
    game.mapName = "village";
    CNpc npc;
    npc.identifier = 8;
    npc.reserved = 0xBEEF;
    npc.name = "Bran";
    game.npcs = {npc};
    game.scrollX = -40;
    game.scrollY = 12;
    game.fontTexture = 901;
    SavedRun run;
    run.script = 12;
    run.programCounter = 33;
    run.ints = {{"IDMOI", -1}, {"k", 7}};
    run.floats = {{"f", 0.5f}};
    run.strings = {{"s", "texte"}};
    game.runs = {run, SavedRun()};
    game.scriptsRunning = true;
    game.commands = {{"SetDirPNJ", {CScriptValue(8.0f), CScriptValue(2.0f)}}, {"Lire", {CScriptValue(std::string("x"))}}};
    game.modes = {{2, 0, 0}};
    game.box.mode = 7;
    game.box.command = {"Choix", {CScriptValue(std::string("Q"))}};
    game.box.pagesLeft = 2;
    game.box.selected = 1;
    game.box.typed = "ab";
    game.choiceVariable = "c";
    game.inputVariable = "n";
    game.lastStepTile = {4, 5, true};
    game.lastStepFacing = 2;
    return game;
}

std::vector<std::uint8_t> WithHeader(std::uint16_t version, const std::vector<std::uint8_t>& payload)
{
    SaveEncoder out;
    out.Raw(reinterpret_cast<const std::uint8_t*>(SaveGameWriter::kMagic), sizeof SaveGameWriter::kMagic);
    out.U16(version);
    out.U32(static_cast<std::uint32_t>(payload.size()));
    out.Raw(payload.data(), payload.size());
    out.U32(Crc32(out.bytes.data(), out.bytes.size()));
    return out.bytes;
}

} // namespace

TEST(SaveGameFormat, EveryFieldReadsBackAsWritten)
{
    const SavedGame game = EveryField();
    const std::vector<std::uint8_t> bytes = SaveGameWriter::Write(game);
    SavedGame back;
    std::string why;
    ASSERT_TRUE(SaveGameReader::Read(bytes.data(), bytes.size(), back, why)) << why;
    EXPECT_EQ(SaveGameWriter::Payload(back), SaveGameWriter::Payload(game));
    EXPECT_EQ(back.heroes[0].stats.luck, 200);
    EXPECT_EQ(back.heroes[0].offsetX, -7);
    EXPECT_EQ(back.npcs[0].reserved, 0xBEEF);
    EXPECT_EQ(back.box.typed, "ab");
    EXPECT_EQ(back.globals[1].second.kind, CScriptValue::kFloat);
    EXPECT_TRUE(back.worldFiles == game.worldFiles);
}

// Files that pass the checksum but say something the game cannot load.
TEST(SaveGameFormat, RefusesWhatNoGameWrote)
{
    const std::vector<std::uint8_t> payload = SaveGameWriter::Payload(EveryField());
    auto changed = [&](std::size_t at, std::uint8_t value) {
        std::vector<std::uint8_t> bytes = payload;
        bytes[at] = value;
        return bytes;
    };
    const struct {
        const char* what;
        std::vector<std::uint8_t> bytes;
        const char* why;
    } cases[] = {
        {"a later version", WithHeader(SaveGameWriter::kVersion + 1, payload), SaveGameReader::kNewerVersion},
        {"version 0", WithHeader(0, payload), SaveGameReader::kDamaged},
        {"a byte more", WithHeader(SaveGameWriter::kVersion, [&] { auto b = payload; b.push_back(0); return b; }()),
         SaveGameReader::kDamaged},
        {"a byte less", WithHeader(SaveGameWriter::kVersion, std::vector<std::uint8_t>(payload.begin(), payload.end() - 1)),
         SaveGameReader::kDamaged},
        // The first global's kind is the byte after its name.
        {"a value of kind 4", WithHeader(SaveGameWriter::kVersion, changed(4 + 4 + 4 + 11 + 4 + 4 + 9 + 4 + 4 + 4 + 1, 4)),
         SaveGameReader::kDamaged},
        // A count that the bytes left cannot hold is refused before
        // anything is allocated for it: play frames, then world files.
        {"four billion world files", WithHeader(SaveGameWriter::kVersion, {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF}),
         SaveGameReader::kDamaged},
        {"a picture", {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 0}, SaveGameReader::kNotASave},
        {"nothing", {}, SaveGameReader::kNotASave},
    };
    for (const auto& c : cases) {
        SavedGame game;
        game.mapName = "untouched";
        std::string why;
        EXPECT_FALSE(SaveGameReader::Read(c.bytes.data(), c.bytes.size(), game, why)) << c.what;
        EXPECT_EQ(why, c.why) << c.what;
        EXPECT_EQ(game.mapName, "untouched") << c.what;
    }
}
