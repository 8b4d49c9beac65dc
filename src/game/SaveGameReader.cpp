#include "game/SaveGameReader.h"

#include <cstring>

#include "game/SaveDecoder.h"
#include "game/SaveGameWriter.h"

const char* const SaveGameReader::kNotASave = "Ce fichier n'est pas une sauvegarde.";
const char* const SaveGameReader::kNewerVersion = "Cette sauvegarde vient d'une version plus r\xE9" "cente du jeu.";
const char* const SaveGameReader::kDamaged = "Cette sauvegarde est ab\xEEm\xE9" "e.";

namespace {

// The smallest encodings, which bound the counts a file can announce.
const std::size_t kMinValue = 13;
const std::size_t kMinText = 4;
const std::size_t kMinCommand = kMinText + 4;
const std::size_t kMinPerso = 2 + 2 + kMinText + 4 + 4 + 2 * 5;
const std::size_t kMinStats = 4 * 5 + 10;
const std::size_t kMinRun = 2 + 4 + 3 * 4;

CScriptValue ReadValue(SaveDecoder& in)
{
    CScriptValue value;
    value.kind = in.U8();
    value.intValue = in.I32();
    value.floatValue = in.F32();
    value.stringValue = in.Text();
    if (value.kind < CScriptValue::kInt || value.kind > CScriptValue::kString)
        in.Fail();
    return value;
}

ScriptCommand ReadCommand(SaveDecoder& in)
{
    ScriptCommand command;
    command.name = in.Text();
    const std::uint32_t count = in.Count(kMinValue);
    for (std::uint32_t i = 0; i < count && in.Ok(); ++i)
        command.arguments.push_back(ReadValue(in));
    return command;
}

void ReadPerso(SaveDecoder& in, CPerso& perso)
{
    perso.identifier = in.U16();
    perso.actionScript = in.U16();
    perso.name = in.Text();
    perso.texture = in.U32();
    perso.frame = in.F32();
    perso.facing = in.U16();
    perso.tileX = in.U16();
    perso.tileY = in.U16();
    perso.offsetX = static_cast<std::int16_t>(in.U16());
    perso.offsetY = static_cast<std::int16_t>(in.U16());
}

void ReadStats(SaveDecoder& in, HeroStats& stats)
{
    stats.hpMax = in.U32();
    stats.mpMax = in.U32();
    stats.epMax = in.I32();
    stats.xpPhysical = in.I32();
    stats.xpMagical = in.I32();
    for (std::uint8_t* small : {&stats.attack, &stats.mastery, &stats.dodge, &stats.resistance, &stats.magic,
                                &stats.aura, &stats.heroRank, &stats.speed, &stats.mapt, &stats.luck})
        *small = in.U8();
}

SavedRun ReadRun(SaveDecoder& in)
{
    SavedRun run;
    run.script = in.U16();
    run.programCounter = in.I32();
    if (run.programCounter < 0)
        in.Fail();
    std::uint32_t count = in.Count(kMinText + 4);
    for (std::uint32_t i = 0; i < count && in.Ok(); ++i) {
        std::string name = in.Text();
        run.ints.emplace_back(std::move(name), in.I32());
    }
    count = in.Count(kMinText + 4);
    for (std::uint32_t i = 0; i < count && in.Ok(); ++i) {
        std::string name = in.Text();
        run.floats.emplace_back(std::move(name), in.F32());
    }
    count = in.Count(2 * kMinText);
    for (std::uint32_t i = 0; i < count && in.Ok(); ++i) {
        std::string name = in.Text();
        run.strings.emplace_back(std::move(name), in.Text());
    }
    return run;
}

bool KnownBaseMode(const ModeEntry& mode)
{
    return (mode.type == 1 || mode.type == 2) && mode.state == 0 && mode.parameter == 0;
}

bool KnownBox(std::uint16_t mode)
{
    return mode == 0 || (mode >= 5 && mode <= 8);
}

bool ReadPayload(SaveDecoder& in, SavedGame& game)
{
    game.playFrames = in.U32();
    std::uint32_t count = in.Count(kMinText + 4);
    for (std::uint32_t i = 0; i < count && in.Ok(); ++i) {
        FileChecksum file;
        file.path = in.Text();
        file.crc = in.U32();
        game.worldFiles.push_back(file);
    }
    count = in.Count(kMinText + kMinValue);
    for (std::uint32_t i = 0; i < count && in.Ok(); ++i) {
        std::string name = in.Text();
        game.globals.emplace_back(std::move(name), ReadValue(in));
    }
    count = in.Count(kMinPerso + kMinStats);
    for (std::uint32_t i = 0; i < count && in.Ok(); ++i) {
        game.heroes.emplace_back();
        ReadPerso(in, game.heroes.back());
        ReadStats(in, game.heroes.back().stats);
    }
    game.activeHero = in.I32();
    game.mapName = in.Text();
    count = in.Count(kMinPerso + 2);
    for (std::uint32_t i = 0; i < count && in.Ok(); ++i) {
        game.npcs.emplace_back();
        ReadPerso(in, game.npcs.back());
        game.npcs.back().reserved = in.U16();
    }
    game.scrollX = in.I32();
    game.scrollY = in.I32();
    game.fontTexture = in.U32();

    count = in.Count(kMinRun);
    for (std::uint32_t i = 0; i < count && in.Ok(); ++i)
        game.runs.push_back(ReadRun(in));
    game.scriptsRunning = in.Flag();
    count = in.Count(kMinCommand);
    for (std::uint32_t i = 0; i < count && in.Ok(); ++i)
        game.commands.push_back(ReadCommand(in));

    count = in.Count(6);
    for (std::uint32_t i = 0; i < count && in.Ok(); ++i) {
        ModeEntry mode;
        mode.type = in.U16();
        mode.state = in.U16();
        mode.parameter = in.U16();
        if (!KnownBaseMode(mode))
            in.Fail();
        game.modes.push_back(mode);
    }
    game.box.mode = in.U16();
    if (!KnownBox(game.box.mode))
        in.Fail();
    if (game.box.mode != 0 && in.Ok()) {
        game.box.command = ReadCommand(in);
        game.box.pagesLeft = in.U32();
        game.box.selected = in.I32();
        game.box.typed = in.Text();
    }
    game.choiceVariable = in.Text();
    game.inputVariable = in.Text();
    game.lastStepTile.x = in.I32();
    game.lastStepTile.y = in.I32();
    game.lastStepTile.valid = in.Flag();
    game.lastStepFacing = in.U16();
    // The modes name at least where the game stands, and nothing follows.
    if (game.modes.empty() || in.Remaining() != 0)
        in.Fail();
    return in.Ok();
}

} // namespace

bool SaveGameReader::Read(const std::uint8_t* bytes, std::size_t size, SavedGame& game, std::string& whyRefused)
{
    const std::size_t frame = SaveGameWriter::kHeaderBytes + SaveGameWriter::kTrailerBytes;
    if (size < sizeof SaveGameWriter::kMagic ||
        std::memcmp(bytes, SaveGameWriter::kMagic, sizeof SaveGameWriter::kMagic) != 0) {
        whyRefused = kNotASave;
        return false;
    }
    SaveDecoder header(bytes + sizeof SaveGameWriter::kMagic, size - sizeof SaveGameWriter::kMagic);
    const std::uint16_t version = header.U16();
    const std::uint32_t payloadSize = header.U32();
    if (!header.Ok() || size < frame || size - frame != payloadSize) {
        whyRefused = kDamaged;
        return false;
    }
    SaveDecoder trailer(bytes + size - SaveGameWriter::kTrailerBytes, SaveGameWriter::kTrailerBytes);
    if (trailer.U32() != Crc32(bytes, size - SaveGameWriter::kTrailerBytes)) {
        whyRefused = kDamaged;
        return false;
    }
    if (version != SaveGameWriter::kVersion) {
        whyRefused = version > SaveGameWriter::kVersion ? kNewerVersion : kDamaged;
        return false;
    }
    SavedGame read;
    SaveDecoder payload(bytes + SaveGameWriter::kHeaderBytes, payloadSize);
    if (!ReadPayload(payload, read)) {
        whyRefused = kDamaged;
        return false;
    }
    game = std::move(read);
    return true;
}
