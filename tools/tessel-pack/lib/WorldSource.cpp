#include "lib/WorldSource.h"

#include <nlohmann/json.hpp>

#include <map>
#include <set>

#include "lib/Cp1252.h"
#include "lib/JsonBreak.h"
#include "lib/JsonPositions.h"
#include "lib/PathCheck.h"
#include "game/MenuLayout.h"

using nlohmann::json;

const char* const WorldSource::kDefaultFont = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf";

namespace {

std::string Stem(const std::string& path)
{
    std::string base = path.substr(path.find_last_of("/\\") + 1);
    const std::size_t dot = base.find('.');
    return dot == std::string::npos || dot == 0 ? base : base.substr(0, dot);
}

// Reads the members of world.json, reporting at the place of each value.
class Reader {
public:
    Reader(const std::string& text, const std::string& file, Diagnostics& diagnostics)
        : positions(text), file(file), diagnostics(diagnostics)
    {
    }

    WorldSpec::Place PlaceOf(const std::string& pointer) const
    {
        WorldSpec::Place place;
        positions.Find(pointer, place.line, place.column);
        return place;
    }

    void Error(const std::string& pointer, const std::string& message)
    {
        const WorldSpec::Place place = PlaceOf(pointer);
        diagnostics.Error(file, place.line, place.column, message);
    }

    void Warning(const std::string& pointer, const std::string& message)
    {
        const WorldSpec::Place place = PlaceOf(pointer);
        diagnostics.Warning(file, place.line, place.column, message);
    }

    // Known keys of an object; any other key is reported (a typo would be
    // ignored otherwise).
    void OnlyKeys(const json& object, const std::string& pointer, const std::set<std::string>& known)
    {
        for (auto it = object.begin(); it != object.end(); ++it)
            if (!known.count(it.key()))
                Warning(pointer + "/" + it.key(), "unknown key \"" + it.key() + "\" is ignored");
    }

    bool Text(const json& object, const std::string& pointer, const std::string& key, bool required,
              std::string& out)
    {
        const auto found = object.find(key);
        if (found == object.end()) {
            if (required)
                Error(pointer, "\"" + key + "\" is missing");
            return false;
        }
        if (!found->is_string() || found->get<std::string>().empty()) {
            Error(pointer + "/" + key, "\"" + key + "\" must be a non-empty string");
            return false;
        }
        out = found->get<std::string>();
        return true;
    }

    // A file named by world.json: it must lie inside the source folder.
    bool Source(const json& object, const std::string& pointer, std::string& out)
    {
        if (!Text(object, pointer, "source", true, out))
            return false;
        std::string joined;
        const std::string refusal = PathCheck::ReferenceRefusal("world.json", out, joined);
        if (!refusal.empty()) {
            Error(pointer + "/source", "\"" + out + "\" " + refusal);
            return false;
        }
        out = joined;
        return true;
    }

    bool Number(const json& object, const std::string& pointer, const std::string& key, bool required,
                long low, long high, long& out)
    {
        const auto found = object.find(key);
        if (found == object.end()) {
            if (required)
                Error(pointer, "\"" + key + "\" is missing");
            return false;
        }
        if (!found->is_number_integer() || found->get<long>() < low || found->get<long>() > high) {
            Error(pointer + "/" + key, "\"" + key + "\" must be a whole number from " + std::to_string(low) +
                                           " to " + std::to_string(high));
            return false;
        }
        out = found->get<long>();
        return true;
    }

    bool FileName(const json& object, const std::string& pointer, const std::string& key, std::string& out,
                  const std::string& fallback, std::size_t maxLength)
    {
        if (object.find(key) == object.end()) {
            out = fallback;
        } else if (!Text(object, pointer, key, true, out)) {
            return false;
        }
        if (!WorldSource::IsFileName(out, maxLength)) {
            Error(pointer + (object.find(key) == object.end() ? "" : "/" + key),
                  "\"" + out + "\" cannot be a file name of the game: use 1 to " + std::to_string(maxLength) +
                      " plain ASCII characters without '/', '\\' or quotes");
            return false;
        }
        return true;
    }

    bool TextureName(const json& object, const std::string& pointer, std::uint16_t& out)
    {
        long value = 0;
        if (!Number(object, pointer, "texture", true, 1, 65535, value))
            return false;
        if (value % 256 == 0) {
            Error(pointer + "/texture", "texture " + std::to_string(value) +
                                            " cannot be listed: the world file takes a name whose low byte "
                                            "is 0 (256, 512, ...) for the end of its list");
            return false;
        }
        out = static_cast<std::uint16_t>(value);
        return true;
    }

    bool Array(const json& root, const std::string& key, const json*& out)
    {
        const auto found = root.find(key);
        if (found == root.end())
            return false;
        if (!found->is_array()) {
            Error("/" + key, "\"" + key + "\" must be a list ([...])");
            return false;
        }
        out = &*found;
        return true;
    }

    bool Object(const json& value, const std::string& pointer, const std::string& what)
    {
        if (value.is_object())
            return true;
        Error(pointer, what + " must be an object ({...})");
        return false;
    }

    JsonPositions positions;
    const std::string& file;
    Diagnostics& diagnostics;
};

void ReadFont(Reader& reader, const json& root, WorldSpec& world)
{
    const auto found = root.find("font");
    if (found == root.end() || !reader.Object(*found, "/font", "\"font\""))
        return;
    const json& font = *found;
    reader.OnlyKeys(font, "/font", {"ttf", "size", "width", "texture", "file"});
    world.font.wanted = true;
    world.font.place = reader.PlaceOf("/font");
    world.font.ttf = WorldSource::kDefaultFont;
    if (font.find("ttf") != font.end())
        reader.Text(font, "/font", "ttf", true, world.font.ttf);
    reader.TextureName(font, "/font", world.font.texture);
    reader.FileName(font, "/font", "file", world.font.file, "font.tga", 255);
    long size = world.font.size, width = world.font.width;
    if (reader.Number(font, "/font", "size", false, 8, 32, size))
        world.font.size = static_cast<int>(size);
    if (reader.Number(font, "/font", "width", false, 50, 200, width))
        world.font.width = static_cast<int>(width);
}

void ReadScripts(Reader& reader, const json& root, WorldSpec& world)
{
    const json* list = nullptr;
    if (!reader.Array(root, "scripts", list))
        return;
    std::set<std::string> files;
    for (std::size_t i = 0; i < list->size(); ++i) {
        const std::string pointer = "/scripts/" + std::to_string(i);
        if (!reader.Object((*list)[i], pointer, "a script entry"))
            continue;
        reader.OnlyKeys((*list)[i], pointer, {"source", "file"});
        WorldSpec::Script script;
        script.place = reader.PlaceOf(pointer);
        if (!reader.Source((*list)[i], pointer, script.source))
            continue;
        if (!reader.FileName((*list)[i], pointer, "file", script.file, Stem(script.source) + ".tsl", 255))
            continue;
        if (!files.insert(script.file).second)
            reader.Error(pointer, "the script file \"" + script.file + "\" is listed twice");
        world.scripts.push_back(script);
    }
}

void ReadTextures(Reader& reader, const json& root, WorldSpec& world)
{
    const json* list = nullptr;
    if (!reader.Array(root, "textures", list))
        return;
    std::set<int> names;
    if (world.font.wanted)
        names.insert(world.font.texture);
    for (std::size_t i = 0; i < list->size(); ++i) {
        const std::string pointer = "/textures/" + std::to_string(i);
        if (!reader.Object((*list)[i], pointer, "a texture entry"))
            continue;
        reader.OnlyKeys((*list)[i], pointer, {"texture", "source", "file"});
        WorldSpec::Texture texture;
        texture.place = reader.PlaceOf(pointer);
        const bool named = reader.TextureName((*list)[i], pointer, texture.texture);
        if (!reader.Source((*list)[i], pointer, texture.source) || !named)
            continue;
        if (!reader.FileName((*list)[i], pointer, "file", texture.file, Stem(texture.source) + ".tga", 255))
            continue;
        if (!names.insert(texture.texture).second)
            reader.Warning(pointer + "/texture", "texture " + std::to_string(texture.texture) +
                                                     " is listed twice: the later picture replaces the earlier");
        world.textures.push_back(texture);
    }
}

void ReadMaps(Reader& reader, const json& root, WorldSpec& world)
{
    const json* list = nullptr;
    if (!reader.Array(root, "maps", list))
        return;
    std::set<std::string> names;
    for (std::size_t i = 0; i < list->size(); ++i) {
        const std::string pointer = "/maps/" + std::to_string(i);
        if (!reader.Object((*list)[i], pointer, "a map entry"))
            continue;
        reader.OnlyKeys((*list)[i], pointer, {"source", "name"});
        WorldSpec::Map map;
        map.place = reader.PlaceOf(pointer);
        if (!reader.Source((*list)[i], pointer, map.source))
            continue;
        // "map\" + name + ".map" must stay within 255 bytes of a string.
        if (!reader.FileName((*list)[i], pointer, "name", map.name, Stem(map.source), 251))
            continue;
        if (!names.insert(map.name).second)
            reader.Error(pointer, "the map name \"" + map.name + "\" is used twice");
        world.maps.push_back(map);
    }
}

// A text of the menu as the game shows it: one line of Windows-1252.
bool MenuText(Reader& reader, const json& value, const std::string& pointer, std::string& cp1252)
{
    if (!value.is_string() || value.get<std::string>().empty()) {
        reader.Error(pointer, "must be a non-empty string");
        return false;
    }
    const std::string utf8 = value.get<std::string>();
    cp1252.clear();
    for (std::size_t position = 0; position < utf8.size();) {
        char32_t character = 0;
        unsigned char byte = 0;
        if (!Cp1252::DecodeUtf8(utf8, position, character) || !Cp1252::FromUnicode(character, byte) ||
            byte < 0x20 || byte == 0x7F) {
            reader.Error(pointer, "must be one line of characters that Windows-1252 has");
            return false;
        }
        cp1252 += static_cast<char>(byte);
    }
    return true;
}

bool MenuFlag(Reader& reader, const json& menu, const std::string& key)
{
    const auto found = menu.find(key);
    if (found == menu.end())
        return false;
    if (!found->is_boolean()) {
        reader.Error("/menu/" + key, "\"" + key + "\" must be true or false");
        return false;
    }
    return found->get<bool>();
}

// "menu": which entries the in-game menu shows and how, and whether saving
// and quitting work; carried to the game as `menu.` settings.
void ReadMenu(Reader& reader, const json& root, WorldSpec& world)
{
    const auto found = root.find("menu");
    if (found == root.end() || !reader.Object(*found, "/menu", "\"menu\""))
        return;
    const json& menu = *found;
    reader.OnlyKeys(menu, "/menu", {"save", "quit", "title", "entries", "texts"});
    if (MenuFlag(reader, menu, "save"))
        world.settings.emplace_back("menu.save", "true");
    if (MenuFlag(reader, menu, "quit"))
        world.settings.emplace_back("menu.quit", "true");
    std::string text;
    if (menu.find("title") != menu.end() && MenuText(reader, menu["title"], "/menu/title", text))
        world.settings.emplace_back("menu.title", text);

    const auto entries = menu.find("entries");
    if (entries != menu.end()) {
        if (!entries->is_array()) {
            reader.Error("/menu/entries", "\"entries\" must be a list ([...])");
        } else {
            std::string keys;
            std::vector<std::pair<std::string, std::string>> labels;
            std::set<std::string> seen;
            for (std::size_t i = 0; i < entries->size(); ++i) {
                const std::string pointer = "/menu/entries/" + std::to_string(i);
                const json& entry = (*entries)[i];
                std::string key;
                if (entry.is_string()) {
                    key = entry.get<std::string>();
                } else if (entry.is_object()) {
                    reader.OnlyKeys(entry, pointer, {"entry", "label"});
                    if (!reader.Text(entry, pointer, "entry", true, key))
                        continue;
                } else {
                    reader.Error(pointer, "an entry is a name (\"save\") or {\"entry\": ..., \"label\": ...}");
                    continue;
                }
                if (MenuLayout::EntryValue(key) < 0) {
                    std::string known;
                    for (const char* name : MenuLayout::kEntryKeys)
                        known += std::string(known.empty() ? "" : ", ") + name;
                    reader.Error(pointer, "the menu has no entry \"" + key + "\" (it has " + known + ")");
                    continue;
                }
                if (!seen.insert(key).second) {
                    reader.Error(pointer, "the entry \"" + key + "\" is listed twice");
                    continue;
                }
                if (entry.is_object() && entry.find("label") != entry.end()) {
                    if (!MenuText(reader, entry["label"], pointer + "/label", text))
                        continue;
                    labels.emplace_back("menu.label." + key, text);
                }
                keys += (keys.empty() ? "" : ",") + key;
            }
            if (keys.empty())
                reader.Error("/menu/entries", "the menu must show at least one entry");
            else
                world.settings.emplace_back("menu.entries", keys);
            world.settings.insert(world.settings.end(), labels.begin(), labels.end());
        }
    }

    const auto texts = menu.find("texts");
    if (texts != menu.end() && reader.Object(*texts, "/menu/texts", "\"texts\"")) {
        for (auto it = texts->begin(); it != texts->end(); ++it) {
            const std::string pointer = "/menu/texts/" + it.key();
            if (!MenuLayout::IsTextKey(it.key())) {
                reader.Warning(pointer, "the menu has no text \"" + it.key() + "\"; it is ignored");
                continue;
            }
            if (MenuText(reader, it.value(), pointer, text))
                world.settings.emplace_back("menu.text." + it.key(), text);
        }
    }
}

// The "menu" object that the `menu.` settings came from (empty: none).
json MenuOf(const std::vector<std::pair<std::string, std::string>>& settings)
{
    std::map<std::string, std::string> values;
    for (const auto& setting : settings)
        if (setting.first.compare(0, 5, "menu.") == 0)
            values[setting.first.substr(5)] = setting.second;
    json menu = json::object();
    if (values.count("save"))
        menu["save"] = values["save"] == "true";
    if (values.count("quit"))
        menu["quit"] = values["quit"] == "true";
    if (values.count("title"))
        menu["title"] = Cp1252::ToUtf8(values["title"]);
    if (values.count("entries")) {
        json entries = json::array();
        std::string list = values["entries"] + ",";
        for (std::size_t comma = list.find(','); comma != std::string::npos; comma = list.find(',')) {
            const std::string key = list.substr(0, comma);
            list.erase(0, comma + 1);
            const auto label = values.find("label." + key);
            if (label == values.end())
                entries.push_back(key);
            else
                entries.push_back({{"entry", key}, {"label", Cp1252::ToUtf8(label->second)}});
        }
        menu["entries"] = entries;
    }
    json texts = json::object();
    for (const auto& value : values)
        if (value.first.compare(0, 5, "text.") == 0)
            texts[value.first.substr(5)] = Cp1252::ToUtf8(value.second);
    if (!texts.empty())
        menu["texts"] = texts;
    return menu;
}

std::string ParseMessage(const std::string& what)
{
    const std::size_t column = what.find("column ");
    const std::size_t colon = what.find(": ", column == std::string::npos ? 0 : column);
    return colon == std::string::npos ? what : what.substr(colon + 2);
}

} // namespace

bool WorldSource::IsFileName(const std::string& name, std::size_t maxLength)
{
    if (name.size() > maxLength || !PathCheck::FileNameRefusal(name).empty())
        return false;
    for (char c : name)
        if (c <= ' ' || c > '~' || c == '/' || c == '\\' || c == '"' || c == ':' || c == '*' || c == '?' ||
            c == '<' || c == '>' || c == '|')
            return false;
    return true;
}

bool WorldSource::Parse(const std::string& jsonText, const std::string& file, WorldSpec& world,
                        Diagnostics& diagnostics)
{
    const std::size_t errorsBefore = diagnostics.ErrorCount();
    int line = 0, column = 0;
    std::string tooDeep;
    if (JsonPositions::TooDeep(jsonText, line, column, tooDeep)) {
        diagnostics.Error(file, line, column, tooDeep);
        return false;
    }
    json root;
    try {
        root = json::parse(jsonText);
    } catch (const json::parse_error& error) {
        int line = 0, column = 0;
        JsonPositions::LineColumn(jsonText, error.byte > 0 ? error.byte - 1 : 0, line, column);
        diagnostics.Error(file, line, column, "broken JSON: " + ParseMessage(error.what()) +
                                                     JsonBreak::Hint(jsonText, error.byte, error.what()));
        return false;
    } catch (const json::exception& error) {
        // A number too large for any type, for one: the parser names no place.
        const std::string what = error.what();
        const std::size_t tag = what.find("] ");
        diagnostics.Error(file, 0, 0, "broken JSON: " + (tag == std::string::npos ? what : what.substr(tag + 2)));
        return false;
    }
    Reader reader(jsonText, file, diagnostics);
    if (!reader.Object(root, "", "world.json"))
        return false;
    reader.OnlyKeys(root, "", {"name", "title", "start_script", "font", "scripts", "textures", "maps", "movement",
                               "menu"});
    for (const std::string& pointer : reader.positions.Duplicates())
        reader.Warning(pointer, "\"" + pointer.substr(pointer.rfind('/') + 1) +
                                    "\" is given twice in one object; only the last one counts");
    // "wor\" + name + ".world" must stay within 255 bytes.
    if (root.find("name") == root.end())
        reader.Error("", "\"name\" is missing: the world file is wor\\<name>.world");
    else
        reader.FileName(root, "", "name", world.name, "", 245);
    if (reader.Text(root, "", "title", false, world.title)) {
        for (char c : world.title)
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
                reader.Error("/title", "\"title\" must be one line of printable characters");
                world.title.clear();
                break;
            }
    }
    // How the hero walks: "free" (pixel by pixel, the default) or "grid"
    // (tile by tile), which the game reads from its settings file.
    std::string movement;
    if (reader.Text(root, "", "movement", false, movement)) {
        if (movement == "grid")
            world.settings.push_back({"movement", "grid"});
        else if (movement != "free")
            reader.Error("/movement", "\"movement\" must be \"free\" or \"grid\"");
    }
    long start = 0;
    world.startScriptPlace = reader.PlaceOf("/start_script");
    if (reader.Number(root, "", "start_script", false, 0, 65535, start))
        world.startScript = static_cast<std::uint16_t>(start);
    else if (root.find("start_script") == root.end())
        reader.Warning("", "no \"start_script\": nothing starts, and the screen stays black");
    ReadFont(reader, root, world);
    ReadScripts(reader, root, world);
    ReadTextures(reader, root, world);
    ReadMaps(reader, root, world);
    ReadMenu(reader, root, world);
    return diagnostics.ErrorCount() == errorsBefore;
}

std::string WorldSource::Write(const WorldSpec& world)
{
    json root = json::object();
    root["name"] = world.name;
    if (!world.title.empty())
        root["title"] = world.title;
    root["start_script"] = world.startScript;
    for (const auto& setting : world.settings)
        if (setting.first == "movement")
            root["movement"] = setting.second;
    json scripts = json::array();
    for (const WorldSpec::Script& script : world.scripts)
        scripts.push_back({{"source", script.source}, {"file", script.file}});
    root["scripts"] = scripts;
    json textures = json::array();
    for (const WorldSpec::Texture& texture : world.textures)
        textures.push_back({{"texture", texture.texture}, {"source", texture.source}, {"file", texture.file}});
    root["textures"] = textures;
    json maps = json::array();
    for (const WorldSpec::Map& map : world.maps)
        maps.push_back({{"source", map.source}, {"name", map.name}});
    root["maps"] = maps;
    const json menu = MenuOf(world.settings);
    if (!menu.empty())
        root["menu"] = menu;
    return root.dump(2) + "\n";
}
