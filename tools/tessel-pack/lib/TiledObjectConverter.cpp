#include "lib/TiledObjectConverter.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

const int kTile = 32;
const long long kMaxU16 = 65535;
const char* const kFacings[] = {"gauche", "bas", "droite", "haut"};

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

std::string ObjectName(const TiledObject& object)
{
    return "object " + std::to_string(object.id) + (object.name.empty() ? "" : " " + Quoted(object.name));
}

}  // namespace

TiledObjectConverter::TiledObjectConverter(const TiledSource& source, Diagnostics& diagnostics)
    : source(source), diagnostics(diagnostics), check(diagnostics)
{
}

void TiledObjectConverter::Convert(MapFile& map)
{
    for (const TiledObject& object : source.objects) {
        const std::string cls = Lower(object.cls);
        if (cls == "npc")
            ConvertNpc(object, map);
        else if (cls == "action" || cls == "step")
            ConvertTileScripts(object, cls == "action", map);
        else
            diagnostics.Warning(source.file, object.line, 0,
                                ObjectName(object) +
                                    (cls.empty() ? std::string(" has no class")
                                                 : " has the class " + Quoted(object.cls)) +
                                    ": only npc, action and step objects mean something to the engine; it is "
                                    "left out");
    }
    ConvertMapProperties(map);
}

void TiledObjectConverter::ConvertNpc(const TiledObject& object, MapFile& map)
{
    const std::string owner = "npc " + ObjectName(object);
    check.WarnUnknown(object.properties, {"id", "texture", "script", "facing"}, source.file, object.line, owner);
    CNpc npc;
    bool good = true;
    const auto required = [&](const char* name, long long min, long long& value) {
        const TiledProperty* property = object.properties.Find(name);
        if (property == nullptr) {
            Error(object.line, owner + " has no property " + Quoted(name) + " (int, " + std::to_string(min) +
                                   " to 65535)");
            good = false;
            return;
        }
        good = check.Number(*property, source.file, object.line, owner, min, kMaxU16, value) && good;
    };
    long long id = 0, texture = 0, script = 0;
    required("id", 1, id);
    required("texture", 1, texture);
    if (const TiledProperty* property = object.properties.Find("script"))
        good = check.Number(*property, source.file, object.line, owner, 0, kMaxU16, script) && good;
    npc.reserved = 1;  // facing down, the engine's default
    if (const TiledProperty* property = object.properties.Find("facing")) {
        const auto facing = std::find(std::begin(kFacings), std::end(kFacings), Lower(property->value));
        if (facing == std::end(kFacings)) {
            diagnostics.Error(source.file, property->line ? property->line : object.line, 0,
                              owner + ": property 'facing' is " + Quoted(property->value) +
                                  "; it must be gauche, bas, droite or haut");
            good = false;
        } else {
            npc.reserved = std::uint16_t(facing - std::begin(kFacings));
        }
    }
    // A tile object hangs from its bottom-left corner.
    const double top = object.gid != 0 ? object.y - object.height : object.y;
    const double tileX = std::floor(object.x / kTile), tileY = std::floor(top / kTile);
    if (tileX < 0 || tileY < 0 || tileX >= map.width || tileY >= map.height) {
        Error(object.line, owner + " stands outside the map (its top-left corner is at pixel " +
                               std::to_string(long(object.x)) + ", " + std::to_string(long(top)) + ")");
        good = false;
    }
    std::string name;
    good = check.Text(object.name, owner + "'s name", source.file, object.line, name) && good;
    if (name.size() > 255) {
        Error(object.line, owner + ": the name is longer than 255 bytes");
        good = false;
    }
    for (const CNpc& other : map.npcs)
        if (good && other.identifier == id) {
            Error(object.line, owner + " has id " + std::to_string(id) + ", as the npc " + Quoted(other.name) +
                                   " already has: each npc of a map needs its own id");
            good = false;
        }
    if (!good)
        return;
    npc.identifier = std::uint16_t(id);
    npc.texture = std::uint32_t(texture);
    npc.actionScript = std::uint16_t(script);
    npc.tileX = std::uint16_t(tileX);
    npc.tileY = std::uint16_t(tileY);
    npc.name = name;
    map.npcs.push_back(npc);
}

void TiledObjectConverter::ConvertTileScripts(const TiledObject& object, bool action, MapFile& map)
{
    const std::string owner = std::string(action ? "action " : "step ") + ObjectName(object);
    check.WarnUnknown(object.properties, {"script"}, source.file, object.line, owner);
    const TiledProperty* property = object.properties.Find("script");
    long long script = 0;
    if (property == nullptr) {
        Error(object.line, owner + " has no property 'script' (int, 1 to 65535)");
        return;
    }
    if (!check.Number(*property, source.file, object.line, owner, 1, kMaxU16, script))
        return;
    const double top = object.gid != 0 ? object.y - object.height : object.y;
    const long long x0 = (long long)std::floor(object.x / kTile), y0 = (long long)std::floor(top / kTile);
    // Every tile the rectangle overlaps; a point covers the tile under it.
    const long long x1 = std::max(x0, (long long)std::ceil((object.x + object.width) / kTile) - 1);
    const long long y1 = std::max(y0, (long long)std::ceil((top + object.height) / kTile) - 1);
    if (x0 < 0 || y0 < 0 || x1 >= map.width || y1 >= map.height) {
        Error(object.line, owner + " reaches outside the map (tiles " + std::to_string(x0) + ", " +
                               std::to_string(y0) + " to " + std::to_string(x1) + ", " + std::to_string(y1) + ")");
        return;
    }
    auto& owners = action ? actionOwner : stepOwner;
    for (long long y = y0; y <= y1; ++y)
        for (long long x = x0; x <= x1; ++x) {
            TileEvent& event = map.events.At(std::uint16_t(x), std::uint16_t(y));
            std::uint16_t& slot = action ? event.actionScript : event.stepOnScript;
            const auto key = std::make_pair(int(x), int(y));
            if (slot != 0 && slot != script) {
                Error(object.line, owner + " gives tile " + std::to_string(x) + ", " + std::to_string(y) +
                                       " the script " + std::to_string(script) + ", but object " +
                                       std::to_string(owners[key]) + " already gave it " + std::to_string(slot));
                return;
            }
            slot = std::uint16_t(script);
            owners[key] = object.id;
        }
}

void TiledObjectConverter::ConvertMapProperties(MapFile& map)
{
    check.WarnUnknown(source.properties, {"start_script"}, source.file, source.line, "the map");
    long long script = 0;
    if (const TiledProperty* property = source.properties.Find("start_script"))
        if (check.Number(*property, source.file, source.line, "the map", 0, kMaxU16, script))
            map.startScript = std::uint16_t(script);
}

