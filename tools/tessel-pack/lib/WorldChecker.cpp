#include "lib/WorldChecker.h"

#include <cstdlib>

#include "lib/Cp1252.h"
#include "lib/LintArguments.h"
#include "lib/LintLexer.h"
#include "lib/TiledPath.h"
#include "lib/TiledSource.h"
#include "lib/TmjReader.h"
#include "lib/TmxReader.h"
#include "script/ScriptTables.h"
#include "world/MapFileReader.h"

namespace {

const long long kNone = -1;  // a property that is missing or no number

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

bool StartsStatement(const std::vector<LintToken>& tokens, std::size_t i)
{
    return i == 0 || tokens[i - 1].type == TokKeyword || tokens[i - 1].Is(OpSemicolon);
}

// The token of argument `index` when the argument is that one token.
const LintToken* Single(const std::vector<LintToken>& tokens, const LintArguments& args, std::size_t index)
{
    if (index >= args.ranges.size() || !args.ranges[index].IsSingle())
        return nullptr;
    return &tokens[args.ranges[index].begin];
}

// A property's whole-number value, or kNone.
long long NumberOf(const TiledProperties& properties, const char* name)
{
    const TiledProperty* property = properties.Find(name);
    if (property == nullptr)
        return kNone;
    try {
        std::size_t used = 0;
        const long long value = std::stoll(property->value, &used);
        return used == property->value.size() ? value : kNone;
    } catch (...) {
        return kNone;
    }
}

std::string ObjectName(const TiledObject& object, const std::string& cls)
{
    return cls + " object " + std::to_string(object.id) + (object.name.empty() ? "" : " " + Quoted(object.name));
}

bool ReadSource(const std::string& path, const std::string& display, TiledSource& source)
{
    Diagnostics ignored;  // the import has reported them already
    const std::string extension = TiledPath::Extension(path);
    if (extension == ".tmx")
        return TmxReader(path, display, ignored).ReadMap(source);
    if (extension == ".tmj" || extension == ".json")
        return TmjReader(path, display, ignored).ReadMap(source);
    return false;
}

std::string Lower(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return text;
}

} // namespace

WorldChecker::WorldChecker(const WorldSpec& world, Diagnostics& diagnostics) : world(world), diagnostics(diagnostics)
{
}

void WorldChecker::CollectWorldTextures()
{
    worldTextures.clear();
    for (const WorldSpec::Texture& texture : world.textures)
        worldTextures.insert(texture.texture);
    if (world.font.wanted && world.font.texture != 0)
        worldTextures.insert(world.font.texture);
}

std::string WorldChecker::List(const std::set<std::uint16_t>& names)
{
    std::string list;
    for (std::uint16_t name : names)
        list += (list.empty() ? "" : ", ") + std::to_string(name);
    return list.empty() ? "none" : list;
}

void WorldChecker::CheckScripts(const std::vector<ScriptFile>& files)
{
    CollectWorldTextures();
    std::set<std::string> maps;
    std::string mapList;
    for (const WorldSpec::Map& map : world.maps) {
        maps.insert(map.name);
        mapList += (mapList.empty() ? "" : ", ") + map.name;
    }
    Diagnostics ignored;  // the linter reports the lexical mistakes
    for (const ScriptFile& file : files)
        for (const SourceScript& script : file.scripts) {
            const std::vector<LintToken> tokens = LintLexer(script, file.file, ignored).Tokens();
            for (std::size_t i = 0; i < tokens.size(); ++i) {
                const LintToken& word = tokens[i];
                if (word.type != TokWord || !StartsStatement(tokens, i) ||
                    (word.text != "LoadMap" && word.text != "CreateHeros"))
                    continue;
                const LintArguments args = LintArguments::Read(tokens, i + 1);
                int line = 0, column = 0;
                if (word.text == "LoadMap") {
                    const LintToken* name = Single(tokens, args, 0);
                    if (name == nullptr || name->type != TokStringLiteral || maps.count(name->text))
                        continue;
                    script.PositionOf(name->offset, line, column);
                    diagnostics.Error(file.file, line, column,
                                      Cp1252::ToUtf8("LoadMap of the map \"" + name->text +
                                                     "\", which world.json does not list (its maps: " +
                                                     (mapList.empty() ? "none" : mapList) +
                                                     "); the game would show an empty map"));
                    continue;
                }
                const LintToken* texture = Single(tokens, args, 2);
                if (texture == nullptr || texture->type != TokIntLiteral)
                    continue;
                const LintToken* id = Single(tokens, args, 0);
                const LintToken* name = Single(tokens, args, 1);
                script.PositionOf(texture->offset, line, column);
                heroTextures.push_back({file.file, line, column,
                                        "hero " + (id ? id->text : std::string("?")) +
                                            (name && name->type == TokStringLiteral ? " " + Quoted(name->text) : ""),
                                        std::strtoll(texture->text.c_str(), nullptr, 10)});
            }
        }
}

void WorldChecker::CheckMap(const std::string& path, const std::string& display,
                            const std::vector<std::uint8_t>& mapBytes, const std::set<std::uint16_t>& scriptIds)
{
    MapFile map;
    TiledSource source;
    if (!ParseMapFile(mapBytes, map).accepted || !ReadSource(path, display, source))
        return;
    std::set<std::uint16_t> tilesets;
    for (const MapTexture& texture : map.textures)
        tilesets.insert(texture.name);
    mapTextures.insert(tilesets.begin(), tilesets.end());

    const auto undefined = [&](long long script) { return script > 0 && !scriptIds.count(std::uint16_t(script)); };
    for (const TiledObject& object : source.objects) {
        const std::string cls = Lower(object.cls);
        if (cls != "npc" && cls != "action" && cls != "step")
            continue;
        const std::string owner = ObjectName(object, cls);
        const long long script = NumberOf(object.properties, "script");
        if (undefined(script))
            diagnostics.Warning(display, object.line, 0,
                                owner + (cls == "npc" ? " runs" : " gives its tiles") + " the script " +
                                    std::to_string(script) + ", which no script source defines");
        const long long texture = cls == "npc" ? NumberOf(object.properties, "texture") : kNone;
        if (texture > 0 && texture <= 65535 && !worldTextures.count(std::uint16_t(texture)) &&
            !tilesets.count(std::uint16_t(texture)))
            diagnostics.Error(display, object.line, 0,
                              owner + " is drawn from the texture " + std::to_string(texture) +
                                  ", which no picture provides (world.json's textures: " + List(worldTextures) +
                                  "; this map's tilesets: " + List(tilesets) + ")");
    }
    const long long start = NumberOf(source.properties, "start_script");
    if (undefined(start))
        diagnostics.Warning(display, source.line, 0,
                            "the map's start_script " + std::to_string(start) + " is in no script source");
}

void WorldChecker::Finish()
{
    for (const HeroTexture& hero : heroTextures) {
        if (hero.texture > 0 && hero.texture <= 65535 &&
            (worldTextures.count(std::uint16_t(hero.texture)) || mapTextures.count(std::uint16_t(hero.texture))))
            continue;
        diagnostics.Error(hero.file, hero.line, hero.column,
                          Cp1252::ToUtf8(hero.hero + " is drawn from the texture " + std::to_string(hero.texture) +
                                         ", which no picture provides (world.json's textures: " +
                                         List(worldTextures) + "; the maps' tilesets: " + List(mapTextures) + ")"));
    }
    heroTextures.clear();
}
