#include "lib/GamePacker.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "lib/FontSheet.h"
#include "lib/OutputFolder.h"
#include "lib/Picture.h"
#include "lib/NoBreakSpaces.h"
#include "lib/ScriptLinter.h"
#include "lib/SharedFindings.h"
#include "lib/TiledMap.h"
#include "lib/WorldFile.h"
#include "lib/WorldSource.h"
#include "game/GameSettings.h"
#include "world/MapFileReader.h"

namespace {

const char* const kWorldJson = "world.json";

std::string Size(const Picture& picture)
{
    return std::to_string(picture.width) + " x " + std::to_string(picture.height);
}

} // namespace

GamePacker::GamePacker(std::string sourceDir, Diagnostics& diagnostics)
    : sourceDir(std::move(sourceDir)), diagnostics(diagnostics)
{
}

std::string GamePacker::SourcePath(const std::string& relative) const
{
    if (!relative.empty() && relative[0] == '/')
        return relative;
    return (std::filesystem::path(sourceDir) / relative).string();
}

void GamePacker::Error(const WorldSpec::Place& place, const std::string& message)
{
    diagnostics.Error(kWorldJson, place.line, place.column, message);
}

bool GamePacker::ReadText(const std::string& relative, const WorldSpec::Place& place, std::string& text)
{
    std::ifstream file(SourcePath(relative), std::ios::binary);
    if (!file) {
        Error(place, "cannot open " + relative);
        return false;
    }
    text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return true;
}

void GamePacker::Add(const std::string& path, std::vector<std::uint8_t> bytes, const std::string& from,
                     const WorldSpec::Place& place)
{
    const auto existing = files.find(path);
    if (existing != files.end() && existing->second != bytes) {
        Error(place, from + " and " + madeFrom[path] + " would both be " + path + ", with different contents");
        return;
    }
    files[path] = std::move(bytes);
    madeFrom[path] = from;
}

bool GamePacker::Build()
{
    const std::size_t errorsBefore = diagnostics.ErrorCount();
    std::string json;
    std::ifstream file(SourcePath(kWorldJson), std::ios::binary);
    if (!file) {
        diagnostics.Error(kWorldJson, 0, 0, "cannot open " + SourcePath(kWorldJson));
        return false;
    }
    json.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    if (!WorldSource::Parse(json, kWorldJson, world, diagnostics) && world.name.empty())
        return false;
    PackScripts();
    PackFont();
    PackTextures();
    PackMaps();
    checker.Finish();
    PackWorldFile();
    return diagnostics.ErrorCount() == errorsBefore;
}

void GamePacker::PackScripts()
{
    std::vector<ScriptFile> sources;
    for (const WorldSpec::Script& entry : world.scripts) {
        std::string text;
        if (!ReadText(entry.source, entry.place, text))
            continue;
        ScriptFile source{entry.source, ScriptSource::Parse(text, entry.source, diagnostics)};
        // French punctuation stays on the line of its word. Done quietly:
        // the author wrote those spaces, and the game shows them as written.
        for (SourceScript& script : source.scripts)
            NoBreakSpaces::KeepPunctuationWithWords(script.text);
        for (const SourceScript& script : source.scripts) {
            if (script.id != 0 && !scriptIds.insert(script.id).second)
                diagnostics.Warning(entry.source, script.headerLine, 1,
                                    "script " + std::to_string(script.id) +
                                        " is defined twice in the world; the game takes the one loaded first");
        }
        Add("tsl/" + entry.file, ScriptSource::Container(source.scripts), entry.source, entry.place);
        sources.push_back(std::move(source));
    }
    ScriptLinter::LintWorld(sources, diagnostics);
    // The engine draws text from the sheet SetFont names and has none before.
    if (!sources.empty() && !ScriptLinter::AnyScriptCalls(sources, "SetFont"))
        diagnostics.Warning(kWorldJson, world.font.place.line, world.font.place.column,
                            "no script calls SetFont, so texts have no glyph sheet to be drawn from; start the "
                            "game with \"SetFont <texture name of the font> ;\"");
    if (world.startScript != 0 && !scriptIds.count(world.startScript) && diagnostics.ErrorCount() == 0)
        Error(world.startScriptPlace, "the start script " + std::to_string(world.startScript) +
                                          " is in no script source");
    checker.CheckScripts(sources);
}

void GamePacker::PackFont()
{
    if (!world.font.wanted || world.font.texture == 0)
        return;
    Picture sheet;
    std::string error;
    FontSheet::Style style;
    style.size = world.font.size;
    style.width = world.font.width;
    if (!FontSheet::Render(world.font.ttf, style, sheet, error)) {
        Error(world.font.place, world.font.ttf + ": " + error);
        return;
    }
    Add("tga/" + world.font.file, sheet.Tga(), world.font.ttf, world.font.place);
}

bool GamePacker::PackPicture(const std::string& path, const std::string& display, const std::string& tgaFile,
                             const WorldSpec::Place& place)
{
    Picture picture;
    std::string error;
    if (!Picture::Load(path, picture, error)) {
        Error(place, display + ": " + error);
        return false;
    }
    if (!Picture::IsGameSide(picture.width) || !Picture::IsGameSide(picture.height)) {
        Error(place, display + " is " + Size(picture) +
                         " pixels; the game takes sides of 1, 2, 4, 8, 16, 32, 64, 128, 256 or 512 pixels");
        return false;
    }
    Add("tga/" + tgaFile, picture.Tga(), display, place);
    return true;
}

void GamePacker::PackTextures()
{
    for (const WorldSpec::Texture& texture : world.textures)
        PackPicture(SourcePath(texture.source), texture.source, texture.file, texture.place);
}

void GamePacker::PackMaps()
{
    SharedFindings shared;  // a tileset's problem once, with the maps that use it
    for (const WorldSpec::Map& entry : world.maps) {
        const std::string path = SourcePath(entry.source);
        if (!std::filesystem::exists(path)) {
            Error(entry.place, "cannot open " + entry.source);
            continue;
        }
        ImportedMap imported;
        Diagnostics found;
        const bool read = ImportTiledMap(path, entry.source, imported, found);
        shared.Take(entry.source, found, diagnostics);
        if (!read)
            continue;
        for (const MapPicture& picture : imported.pictures)
            PackPicture(picture.sourcePath, picture.sourcePath, picture.tgaFile, entry.place);
        checker.CheckMap(path, entry.source, imported.mapBytes, scriptIds);
        Add("map/" + entry.name + ".map", std::move(imported.mapBytes), entry.source, entry.place);
    }
    shared.Flush(diagnostics);
}

void GamePacker::PackWorldFile()
{
    WorldFile file;
    for (const WorldSpec::Script& script : world.scripts)
        file.scripts.push_back(script.file);
    if (world.font.wanted && world.font.texture != 0)
        file.textures.push_back({world.font.texture, world.font.file});
    for (const WorldSpec::Texture& texture : world.textures)
        file.textures.push_back({texture.texture, texture.file});
    file.startScript = world.startScript;
    if (world.name.empty())
        return;
    Add("wor/" + world.name + ".world", file.Bytes(), kWorldJson, WorldSpec::Place());
    // The game folder's settings: which world to open and how to show it.
    std::string settings = "# Written by tessel-pack from world.json; the game reads it at start.\n" +
                           GameSettings::Line("world", world.name);
    if (!world.title.empty())
        settings += GameSettings::Line("title", world.title);
    for (const auto& setting : world.settings)
        settings += GameSettings::Line(setting.first, setting.second);
    Add(GameSettings::kFileName, std::vector<std::uint8_t>(settings.begin(), settings.end()), kWorldJson,
        WorldSpec::Place());
}

bool GamePacker::Write(const std::string& gameDir)
{
    OutputFolder folder(gameDir, "wor");
    if (!folder.Open(diagnostics))
        return false;
    for (const auto& file : files)
        if (!folder.Write(file.first, file.second, diagnostics))
            return false;
    return folder.Commit(diagnostics);
}
