// The executor of the script's world commands: what a script asks of the
// world (characters, maps, fades, the font) is carried out here, in order,
// once a frame, stopping at a command that waits for the player or a fade.

#include <iostream>
#include <string>

#include "game/CGame.h"
#include "game/CommandArguments.h"
#include "image/Texture.h"
#include "image/TextureFilter.h"
#include "widgets/DefaultFontTexture.h"

namespace {

// A fade without a speed argument takes 25 frames.
const int kDefaultFadeSpeed = 4;

int FadeSpeed(CommandArguments& arguments)
{
    return arguments.Remaining() > 0 ? arguments.Int() : kDefaultFadeSpeed;
}

} // namespace

void CGame::RunWorldCommands()
{
    commandsDrained = false;
    if (!commandsMayRun)
        return;
    auto& queue = scriptEngine.CommandQueue();
    while (!queue.empty()) {
        // The command leaves the queue before it is carried out: a waiting
        // command is done with the queue once its widget or fade is set up.
        const ScriptCommand command = std::move(queue.front());
        queue.pop();
        if (!RunWorldCommand(command)) {
            saveMenu.NoteWaitingCommand(command);
            commandsMayRun = false;
            return;
        }
        commandsMayRun = true;
    }
    commandsDrained = true;
}

bool CGame::RunWorldCommand(const ScriptCommand& command)
{
    CommandArguments arguments(command.arguments);
    const bool finished = CarryOutWorldCommand(command.name, arguments);
    if (arguments.MissingReads() > 0)
        developer.Note(command.name + ": " + std::to_string(arguments.MissingReads()) +
                       " argument(s) missing, read as 0 or \"\"");
    return finished;
}

bool CGame::CarryOutWorldCommand(const std::string& name, CommandArguments& arguments)
{
    if (name == "Lire") {
        Lire(arguments);
        return false;
    }
    if (name == "Dire") {
        Dire(arguments);
        return false;
    }
    if (name == "Choix") {
        Choix(arguments);
        return false;
    }
    if (name == "Input") {
        Input(arguments);
        return false;
    }
    if (name == "FadeOut") {
        FadeOut(FadeSpeed(arguments));
        return false;
    }
    if (name == "FadeIn") {
        FadeIn(FadeSpeed(arguments));
        return false;
    }
    if (name == "GetDirHeros" || name == "GetDirPNJ") {
        const std::int32_t identifier = arguments.Int();
        const std::string variable = arguments.Text();
        if (const CPerso* character = Character(name == "GetDirPNJ" ? 2 : 1, identifier))
            scriptEngine.SetInt(variable, character->facing);
    } else if (name == "SetDirHeros" || name == "SetDirPNJ") {
        const std::int32_t identifier = arguments.Int();
        const std::int32_t direction = arguments.Int();
        if (CPerso* character = Character(name == "SetDirPNJ" ? 2 : 1, identifier))
            character->facing = static_cast<std::uint16_t>(direction);
    } else if (name == "SetHeros") {
        SetHeros(arguments);
    } else if (name == "SetHerosActif") {
        activeHero = arguments.Int();
    } else if (name == "SetFont") {
        defaultFontTexture = static_cast<std::uint32_t>(arguments.Int());
    } else if (name == "CreateHeros") {
        const std::int32_t identifier = arguments.Int();
        const std::string heroName = arguments.Text();
        const std::int32_t texture = arguments.Int();
        map.AddHero(static_cast<std::uint16_t>(identifier), heroName, static_cast<std::uint16_t>(texture));
    } else if (name == "LoadMap") {
        LoadMapCommand(arguments);
    } else if (name == "Deplace") {
        // Reads its two numbers and does nothing else.
        arguments.Int();
        arguments.Int();
    }
    // Any other word does nothing.
    return true;
}

CPerso* CGame::Character(std::int32_t kind, std::int32_t identifier) const
{
    if (kind == 2)
        return map.FindNpc(identifier);
    return map.FindHero(identifier);
}

void CGame::SetHeros(CommandArguments& arguments)
{
    const std::int32_t identifier = arguments.Int();
    const std::int32_t direction = arguments.Int();
    const std::int32_t tileX = arguments.Int();
    const std::int32_t tileY = arguments.Int();
    const float offsetX = arguments.Float();
    const float offsetY = arguments.Float();
    CHero* hero = map.FindHero(identifier);
    if (!hero) {
        std::cout << "H\xE9ros inexistant! (id " << identifier << ") dans la fonction SetHeros" << std::endl;
        developer.Show("H\xE9ros inexistant! (id " + std::to_string(identifier) + ") dans la fonction SetHeros");
        return;
    }
    hero->facing = static_cast<std::uint16_t>(direction);
    hero->tileX = static_cast<std::uint16_t>(tileX);
    hero->tileY = static_cast<std::uint16_t>(tileY);
    hero->offsetX = static_cast<std::int16_t>(static_cast<std::int32_t>(32.0f * offsetX));
    hero->offsetY = static_cast<std::int16_t>(static_cast<std::int32_t>(32.0f * offsetY));
}

void CGame::LoadMapCommand(CommandArguments& arguments)
{
    // The last two maps and the active hero's places on them, so that a
    // script can send the party back where it came from.
    const char* const shifts[][2] = {
        {"CartePrePre", "CartePre"},     {"PosXPrePre", "PosXPre"},     {"PosYPrePre", "PosYPre"},
        {"DecalXPrePre", "DecalXPre"},   {"DecalYPrePre", "DecalYPre"}, {"CartePre", "CarteEnCours"},
    };
    for (const auto& shift : shifts)
        scriptEngine.SetGlobal(shift[0], scriptEngine.GetGlobal(shift[1]));
    if (const CHero* hero = map.FindHero(activeHero)) {
        scriptEngine.SetGlobal("PosXPre", CScriptValue(static_cast<std::int32_t>(hero->tileX)));
        scriptEngine.SetGlobal("PosYPre", CScriptValue(static_cast<std::int32_t>(hero->tileY)));
        scriptEngine.SetGlobal("DecalXPre", CScriptValue(hero->offsetX / 32.0f));
        scriptEngine.SetGlobal("DecalYPre", CScriptValue(hero->offsetY / 32.0f));
    }
    const std::string name = arguments.Text();
    scriptEngine.SetGlobal("CarteEnCours", CScriptValue(name));

    std::string whyRefused;
    if (!map.LoadMap(name, &whyRefused)) {
        std::cerr << CMap::MapFilePath(name) << ": " << whyRefused << std::endl;
        developer.Show(CMap::MapFilePath(name) + ": " + whyRefused);
    }
    for (const MapTexture& texture : map.Textures())
        if (textures.Load(scratchImage, "tga\\" + texture.file, texture.name, TextureNearest) != 0)
            developer.Note("tga\\" + texture.file + ": cannot be read");

    // A second argument, whatever it is, keeps the map's start script from
    // running (the caller places the party itself).
    if (arguments.Remaining() == 0)
        scriptEngine.RunScript(map.StartScript(), -1, -1, -1);
    commandsMayRun = true;
    modes.Clear();
    modes.Push(2, 0);
}
