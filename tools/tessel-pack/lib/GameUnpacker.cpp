#include "lib/GameUnpacker.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "lib/OutputFolder.h"
#include "lib/Picture.h"
#include "lib/ScriptSource.h"
#include "lib/TiledMap.h"
#include "lib/WorldFile.h"
#include "lib/WorldSource.h"
#include "script/ScriptContainer.h"

namespace fs = std::filesystem;

namespace {

std::string WithoutEnding(const std::string& name, const std::string& ending)
{
    if (name.size() > ending.size() && name.compare(name.size() - ending.size(), ending.size(), ending) == 0)
        return name.substr(0, name.size() - ending.size());
    return name;
}

} // namespace

GameUnpacker::GameUnpacker(std::string gameDir, Diagnostics& diagnostics)
    : gameDir(std::move(gameDir)), diagnostics(diagnostics)
{
}

bool GameUnpacker::ReadGameFile(const std::string& relative, std::vector<std::uint8_t>& bytes, bool required)
{
    std::ifstream file(fs::path(gameDir) / relative, std::ios::binary);
    if (!file) {
        if (required)
            diagnostics.Error(gameDir + "/" + relative, 0, 0, "cannot open the file");
        else
            diagnostics.Warning(gameDir + "/" + relative, 0, 0, "is missing; it is left out of the sources");
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return true;
}

std::string GameUnpacker::FindWorldFile()
{
    std::vector<std::string> worlds;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(fs::path(gameDir) / "wor", error))
        if (entry.path().extension() == ".world")
            worlds.push_back(entry.path().filename().string());
    std::sort(worlds.begin(), worlds.end());
    if (worlds.empty()) {
        diagnostics.Error(gameDir, 0, 0, "has no wor/*.world file: it is not a game folder");
        return "";
    }
    // The world the game opens: the one the settings name, else Sylva.
    const std::string opened = settings.WorldPath().substr(4);
    if (std::find(worlds.begin(), worlds.end(), opened) != worlds.end())
        return opened;
    if (worlds.size() > 1)
        diagnostics.Warning(gameDir, 0, 0, "has several world files; " + worlds.front() + " is unpacked");
    return worlds.front();
}

bool GameUnpacker::Unpack(const std::string& sourceDir)
{
    const std::size_t errorsBefore = diagnostics.ErrorCount();
    std::vector<std::string> problems;
    settings.Read((fs::path(gameDir) / GameSettings::kFileName).string(), problems);
    for (const std::string& problem : problems)
        diagnostics.Warning(gameDir + "/" + GameSettings::kFileName, 0, 0, problem);
    const std::string worldFile = FindWorldFile();
    std::vector<std::uint8_t> bytes;
    if (worldFile.empty() || !ReadGameFile("wor/" + worldFile, bytes, true))
        return false;
    WorldFile file;
    if (!file.Parse(bytes)) {
        diagnostics.Error(gameDir + "/wor/" + worldFile, 0, 0, "the world file ends too early");
        return false;
    }
    OutputFolder folder(sourceDir, "world.json");
    if (!folder.Open(diagnostics))
        return false;
    world.name = WithoutEnding(worldFile, ".world");
    if (settings.Has("title"))
        world.title = settings.Title();
    if (settings.GridMovement())
        world.settings.push_back({"movement", "grid"});
    // The menu's settings go back into world.json's "menu".
    for (const auto& setting : settings.Entries())
        if (setting.first.compare(0, 5, "menu.") == 0)
            world.settings.push_back(setting);
    world.startScript = file.startScript;
    UnpackScripts(file.scripts, folder);
    for (const WorldFile::Texture& texture : file.textures) {
        const std::string source = PictureSource(texture.file, folder);
        if (!source.empty())
            world.textures.push_back({texture.name, source, texture.file, {}});
    }
    UnpackMaps(folder);
    const std::string json = WorldSource::Write(world);
    folder.Write("world.json", std::vector<std::uint8_t>(json.begin(), json.end()), diagnostics);
    return diagnostics.ErrorCount() == errorsBefore && folder.Commit(diagnostics);
}

void GameUnpacker::UnpackScripts(const std::vector<std::string>& containers, OutputFolder& folder)
{
    for (const std::string& container : containers) {
        std::vector<std::uint8_t> bytes;
        if (!ReadGameFile("tsl/" + container, bytes, false))
            continue;
        std::vector<SourceScript> scripts;
        for (const ScriptContainer::Record& record : ScriptContainer::Parse(bytes)) {
            SourceScript script;
            script.id = record.id;
            script.text = record.text;
            if (ScriptSource::HasHeaderLine(record.text))
                diagnostics.Warning(gameDir + "/tsl/" + container, 0, 0,
                                    "script " + std::to_string(record.id) +
                                        " has a line starting with \"@script\", which starts a new script in the "
                                        "source; it will not pack back the same");
            scripts.push_back(script);
        }
        const std::string source = "scripts/" + container + ".txt";
        const std::string text = ScriptSource::Write(scripts);
        folder.Write(source, std::vector<std::uint8_t>(text.begin(), text.end()), diagnostics);
        world.scripts.push_back({source, container, {}});
    }
}

std::string GameUnpacker::PictureSource(const std::string& tgaFile, OutputFolder& folder)
{
    const auto made = pngOfTga.find(tgaFile);
    if (made != pngOfTga.end())
        return made->second;
    std::string& source = pngOfTga[tgaFile];
    Picture picture;
    std::string error;
    const fs::path path = fs::path(gameDir) / "tga" / tgaFile;
    if (!fs::exists(path)) {
        diagnostics.Warning(gameDir + "/tga/" + tgaFile, 0, 0, "is missing; it is left out of the sources");
        return source;
    }
    if (!Picture::Load(path.string(), picture, error)) {
        diagnostics.Error(gameDir + "/tga/" + tgaFile, 0, 0, error);
        return source;
    }
    std::string stem = WithoutEnding(WithoutEnding(tgaFile, ".tga"), ".TGA");
    // Two pictures whose names differ only in their ending keep apart.
    std::string candidate = "art/" + stem + ".png";
    for (int n = 2; std::any_of(pngOfTga.begin(), pngOfTga.end(),
                                [&](const auto& entry) { return entry.second == candidate; });
         ++n)
        candidate = "art/" + stem + "-" + std::to_string(n) + ".png";
    if (folder.Write(candidate, picture.Png(), diagnostics))
        source = candidate;
    return source;
}

void GameUnpacker::UnpackMaps(OutputFolder& folder)
{
    std::vector<std::string> maps;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(fs::path(gameDir) / "map", error))
        if (entry.path().extension() == ".map")
            maps.push_back(entry.path().stem().string());
    std::sort(maps.begin(), maps.end());
    for (const std::string& name : maps) {
        std::vector<std::uint8_t> bytes;
        if (!ReadGameFile("map/" + name + ".map", bytes, true))
            continue;
        fs::create_directories(fs::path(folder.Path()) / "maps", error);
        const std::string tmx = (fs::path(folder.Path()) / "maps" / (name + ".tmx")).string();
        auto pictureFor = [&](const std::string& tgaFile) {
            const std::string source = PictureSource(tgaFile, folder);
            return source.empty() ? std::string() : "../" + source;
        };
        if (ExportTiledMap(bytes, tmx, pictureFor, diagnostics))
            world.maps.push_back({"maps/" + name + ".tmx", name, {}});
    }
}
