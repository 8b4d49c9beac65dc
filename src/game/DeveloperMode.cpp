#include "game/DeveloperMode.h"

#include <iostream>

#include "game/CGame.h"
#include "game/CommandArguments.h"
#include "image/TextureFilter.h"
#include "platform/Clock.h"
#include "platform/WorkingDirectory.h"

void DeveloperMode::TestPlay(const std::string& map, bool placeHero, std::int32_t tileX, std::int32_t tileY)
{
    testPlayPending = true;
    testPlayMap = map;
    testPlayPlacesHero = placeHero;
    testPlayX = tileX;
    testPlayY = tileY;
}

void DeveloperMode::OnWorldLoaded(CGame& game)
{
    for (const auto& preset : presetGlobals)
        game.scriptEngine.SetGlobal(preset.first, preset.second);
    if (enabled) {
        game.scriptEngine.SetCutShortReport([this](std::uint16_t id) {
            Note("script " + std::to_string(id) + " stopped: its text ends in the middle of a statement");
        });
        gameFolder = CurrentWorkingDirectory();
        Watch(game);
        lastWatchMs = MillisecondsSinceStart();
    }
}

void DeveloperMode::Update(CGame& game)
{
    const std::uint64_t now = MicrosecondsSinceStart();
    if (lastUpdateMicros != 0)
        frameMilliseconds = static_cast<float>(now - lastUpdateMicros) / 1000.0f;
    lastUpdateMicros = now;

    // Test-play starts once the world's own start is over: a map is shown,
    // no script runs and no world command waits.
    const bool settled = game.modes.TopType() == 2 && game.scriptEngine.RunQueue().empty() &&
                         game.scriptEngine.CommandQueue().empty();
    if (heroPlacementPending && settled) {
        heroPlacementPending = false;
        PlaceHero(game);
    }
    if (testPlayPending && settled)
        StartTestPlay(game);

    if (!enabled)
        return;
    // A map brought in by a script is watched from now on, as it was read.
    if (game.map.Name() != watchedMap)
        Watch(game);
    const std::uint32_t nowMs = MillisecondsSinceStart();
    if (nowMs - lastWatchMs < watchPeriodMs)
        return;
    lastWatchMs = nowMs;
    // Between a packer's two renames the folder is missing: look again at
    // the next check rather than reload from the folder on its way out.
    if (EnterGameFolder() && WatchedFilesChanged())
        Reload(game);
}

void DeveloperMode::StartTestPlay(CGame& game)
{
    testPlayPending = false;
    const std::vector<CScriptValue> mapArgument = {CScriptValue(testPlayMap)};
    CommandArguments arguments(mapArgument);
    game.LoadMapCommand(arguments);
    if (!testPlayPlacesHero)
        return;
    heroPlacementPending = PlaceHero(game) && !game.scriptEngine.RunQueue().empty();
}

bool DeveloperMode::PlaceHero(CGame& game)
{
    // Looked up without FindHero, which would print its "NULL returned".
    CHero* hero = nullptr;
    for (const auto& candidate : game.map.Heroes())
        if (!hero && candidate->identifier == game.activeHero)
            hero = candidate.get();
    if (!hero) {
        std::cerr << "--at " << testPlayX << "," << testPlayY << ": the world has no active hero to place"
                  << std::endl;
        Show("--at: the world has no active hero to place");
        return false;
    }
    hero->tileX = static_cast<std::uint16_t>(testPlayX);
    hero->tileY = static_cast<std::uint16_t>(testPlayY);
    hero->offsetX = 0;
    hero->offsetY = 0;
    hero->facing = 1;
    game.map.CenterOnCharacter(1, hero->identifier);
    return true;
}

bool DeveloperMode::OnKeyDown(CGame& game, SDLKey key)
{
    if (!enabled)
        return false;
    if (key == SDLK_F3) {
        overlayShown = !overlayShown;
        return true;
    }
    if (key == SDLK_F8) {
        EnterGameFolder();
        Reload(game);
        return true;
    }
    return false;
}

void DeveloperMode::Show(const std::string& line)
{
    if (enabled)
        errors.Add(line, MillisecondsSinceStart());
}

void DeveloperMode::Note(const std::string& line)
{
    if (!enabled)
        return;
    std::cerr << line << std::endl;
    errors.Add(line, MillisecondsSinceStart());
}

std::vector<std::string> DeveloperMode::ShownErrors()
{
    return errors.Current(MillisecondsSinceStart());
}

bool DeveloperMode::EnterGameFolder() const
{
    return gameFolder.empty() || ChangeWorkingDirectory(gameFolder);
}

void DeveloperMode::Reload(CGame& game)
{
    const std::string worldPath = game.world.fileName.empty() ? game.settings.WorldPath() : game.world.fileName;
    if (!game.world.ReadWorld(worldPath)) {
        // Scripts, pictures and the map stay as they are; the world file is
        // watched until it can be read again.
        Note(worldPath + ": cannot be read; nothing is reloaded");
        game.world.fileName = worldPath;
        Watch(game);
        return;
    }
    for (const CWorld::TextureEntry& texture : game.world.textures)
        if (game.textures.Load(game.scratchImage, "tga\\" + texture.file, texture.name, TextureNearest) != 0)
            Note("tga\\" + texture.file + ": cannot be read");

    std::vector<std::string> containers;
    for (const CWorld::ScriptEntry& script : game.world.scripts)
        containers.push_back("tsl\\" + script.file);
    std::vector<std::string> unreadable;
    for (std::uint16_t id : game.scriptEngine.ReloadScripts(containers, unreadable))
        Note("Reload: script " + std::to_string(id) + " was running and has changed; it is dropped");
    for (const std::string& path : unreadable)
        Note(path + ": cannot be read");

    const std::string mapName = game.map.Name();
    if (!mapName.empty()) {
        std::string whyRefused;
        if (!game.map.LoadMap(mapName, &whyRefused))
            Note(CMap::MapFilePath(mapName) + ": " + whyRefused);
        for (const MapTexture& texture : game.map.Textures())
            if (game.textures.Load(game.scratchImage, "tga\\" + texture.file, texture.name, TextureNearest) != 0)
                Note("tga\\" + texture.file + ": cannot be read");
    }
    Watch(game);
    Show("Reloaded");
}

void DeveloperMode::Watch(CGame& game)
{
    watched.clear();
    std::vector<std::string> paths = {game.world.fileName.empty() ? game.settings.WorldPath() : game.world.fileName};
    for (const CWorld::TextureEntry& texture : game.world.textures)
        paths.push_back("tga\\" + texture.file);
    for (const CWorld::ScriptEntry& script : game.world.scripts)
        paths.push_back("tsl\\" + script.file);
    watchedMap = game.map.Name();
    if (!game.map.Name().empty()) {
        paths.push_back(CMap::MapFilePath(game.map.Name()));
        for (const MapTexture& texture : game.map.Textures())
            paths.push_back("tga\\" + texture.file);
    }
    for (const std::string& path : paths)
        watched[path] = FileStamp::Of(path);
}

bool DeveloperMode::WatchedFilesChanged() const
{
    for (const auto& file : watched)
        if (FileStamp::Of(file.first) != file.second)
            return true;
    return false;
}
