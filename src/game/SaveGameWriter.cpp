#include "game/SaveGameWriter.h"

#include "game/SaveEncoder.h"

const char SaveGameWriter::kMagic[8] = {'T', 'e', 's', 's', 'e', 'l', 'S', 'v'};

namespace {

void WriteValue(SaveEncoder& out, const CScriptValue& value)
{
    out.U8(static_cast<std::uint8_t>(value.kind));
    out.I32(value.intValue);
    out.F32(value.floatValue);
    out.Text(value.stringValue);
}

void WriteCommand(SaveEncoder& out, const ScriptCommand& command)
{
    out.Text(command.name);
    out.U32(static_cast<std::uint32_t>(command.arguments.size()));
    for (const CScriptValue& argument : command.arguments)
        WriteValue(out, argument);
}

void WritePerso(SaveEncoder& out, const CPerso& perso)
{
    out.U16(perso.identifier);
    out.U16(perso.actionScript);
    out.Text(perso.name);
    out.U32(perso.texture);
    out.F32(perso.frame);
    out.U16(perso.facing);
    out.U16(perso.tileX);
    out.U16(perso.tileY);
    out.U16(static_cast<std::uint16_t>(perso.offsetX));
    out.U16(static_cast<std::uint16_t>(perso.offsetY));
}

void WriteStats(SaveEncoder& out, const HeroStats& stats)
{
    out.U32(stats.hpMax);
    out.U32(stats.mpMax);
    out.I32(stats.epMax);
    out.I32(stats.xpPhysical);
    out.I32(stats.xpMagical);
    for (std::uint8_t small : {stats.attack, stats.mastery, stats.dodge, stats.resistance, stats.magic, stats.aura,
                               stats.heroRank, stats.speed, stats.mapt, stats.luck})
        out.U8(small);
}

void WriteRun(SaveEncoder& out, const SavedRun& run)
{
    out.U16(run.script);
    out.I32(run.programCounter);
    out.U32(static_cast<std::uint32_t>(run.ints.size()));
    for (const auto& variable : run.ints) {
        out.Text(variable.first);
        out.I32(variable.second);
    }
    out.U32(static_cast<std::uint32_t>(run.floats.size()));
    for (const auto& variable : run.floats) {
        out.Text(variable.first);
        out.F32(variable.second);
    }
    out.U32(static_cast<std::uint32_t>(run.strings.size()));
    for (const auto& variable : run.strings) {
        out.Text(variable.first);
        out.Text(variable.second);
    }
}

} // namespace

std::vector<std::uint8_t> SaveGameWriter::Payload(const SavedGame& game)
{
    SaveEncoder out;
    out.U32(game.playFrames);
    out.U32(static_cast<std::uint32_t>(game.worldFiles.size()));
    for (const FileChecksum& file : game.worldFiles) {
        out.Text(file.path);
        out.U32(file.crc);
    }
    out.U32(static_cast<std::uint32_t>(game.globals.size()));
    for (const auto& global : game.globals) {
        out.Text(global.first);
        WriteValue(out, global.second);
    }
    out.U32(static_cast<std::uint32_t>(game.heroes.size()));
    for (const CHero& hero : game.heroes) {
        WritePerso(out, hero);
        WriteStats(out, hero.stats);
    }
    out.I32(game.activeHero);
    out.Text(game.mapName);
    out.U32(static_cast<std::uint32_t>(game.npcs.size()));
    for (const CNpc& npc : game.npcs) {
        WritePerso(out, npc);
        out.U16(npc.reserved);
    }
    out.I32(game.scrollX);
    out.I32(game.scrollY);
    out.U32(game.fontTexture);

    out.U32(static_cast<std::uint32_t>(game.runs.size()));
    for (const SavedRun& run : game.runs)
        WriteRun(out, run);
    out.U8(game.scriptsRunning ? 1 : 0);
    out.U32(static_cast<std::uint32_t>(game.commands.size()));
    for (const ScriptCommand& command : game.commands)
        WriteCommand(out, command);

    out.U32(static_cast<std::uint32_t>(game.modes.size()));
    for (const ModeEntry& mode : game.modes) {
        out.U16(mode.type);
        out.U16(mode.state);
        out.U16(mode.parameter);
    }
    out.U16(game.box.mode);
    if (game.box.mode != 0) {
        WriteCommand(out, game.box.command);
        out.U32(game.box.pagesLeft);
        out.I32(game.box.selected);
        out.Text(game.box.typed);
    }
    out.Text(game.choiceVariable);
    out.Text(game.inputVariable);
    out.I32(game.lastStepTile.x);
    out.I32(game.lastStepTile.y);
    out.U8(game.lastStepTile.valid ? 1 : 0);
    out.U16(game.lastStepFacing);
    return out.bytes;
}

std::vector<std::uint8_t> SaveGameWriter::Write(const SavedGame& game)
{
    const std::vector<std::uint8_t> payload = Payload(game);
    SaveEncoder out;
    out.Raw(reinterpret_cast<const std::uint8_t*>(kMagic), sizeof kMagic);
    out.U16(kVersion);
    out.U32(static_cast<std::uint32_t>(payload.size()));
    out.Raw(payload.data(), payload.size());
    out.U32(Crc32(out.bytes.data(), out.bytes.size()));
    return out.bytes;
}
