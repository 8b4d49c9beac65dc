#include "lib/TmxWriter.h"

#include <filesystem>
#include <map>
#include <vector>

#include <pugixml.hpp>

#include "lib/TiledText.h"

namespace {

const char* const kFacings[] = {"gauche", "bas", "droite", "haut"};

void AddProperty(pugi::xml_node& owner, const char* name, const char* type, const std::string& value)
{
    pugi::xml_node properties = owner.child("properties");
    if (!properties)
        properties = owner.prepend_child("properties");
    pugi::xml_node property = properties.append_child("property");
    property.append_attribute("name") = name;
    if (type != nullptr)
        property.append_attribute("type") = type;
    property.append_attribute("value") = value.c_str();
}

std::string Csv(const std::vector<std::uint32_t>& gids, std::uint16_t width)
{
    std::string text = "\n";
    for (std::size_t i = 0; i < gids.size(); ++i) {
        text += std::to_string(gids[i]);
        if (i + 1 < gids.size())
            text += ',';
        if ((i + 1) % width == 0)
            text += '\n';
    }
    return text;
}

class TmxBuilder {
public:
    TmxBuilder(const MapFile& map, const std::string& tmxPath, Diagnostics& diagnostics)
        : map(map), tmxPath(tmxPath), diagnostics(diagnostics)
    {
    }

    bool Build(const std::function<std::string(const std::string&)>& pictureForTga)
    {
        root = document.append_child("map");
        root.append_attribute("version") = "1.8";
        root.append_attribute("orientation") = "orthogonal";
        root.append_attribute("renderorder") = "right-down";
        root.append_attribute("width") = map.width;
        root.append_attribute("height") = map.height;
        root.append_attribute("tilewidth") = 32;
        root.append_attribute("tileheight") = 32;
        root.append_attribute("infinite") = 0;
        if (map.startScript != 0)
            AddProperty(root, "start_script", "int", std::to_string(map.startScript));
        AddTilesets(pictureForTga);
        AddLayers();
        AddCollision();
        AddCharacters();
        AddTileScripts();
        root.append_attribute("nextlayerid") = nextLayerId;
        root.append_attribute("nextobjectid") = nextObjectId;
        std::error_code ignored;
        const std::filesystem::path folder = std::filesystem::path(tmxPath).parent_path();
        if (!folder.empty())
            std::filesystem::create_directories(folder, ignored);
        if (!document.save_file(tmxPath.c_str(), " ", pugi::format_default, pugi::encoding_utf8)) {
            diagnostics.Error(tmxPath, 0, 0, "cannot be written");
            return false;
        }
        return true;
    }

private:
    void Lost(const std::string& message)
    {
        diagnostics.Warning(tmxPath, 0, 0, message);
    }

    void AddTilesets(const std::function<std::string(const std::string&)>& pictureForTga)
    {
        // A name listed twice ends up with the later picture in the game;
        // only that one is kept.
        for (std::size_t i = 0; i < map.textures.size(); ++i)
            firstGidOf[map.textures[i].name] = std::uint32_t(1 + 256 * i);
        std::uint32_t firstGid = 1;
        for (const MapTexture& texture : map.textures) {
            if (firstGidOf[texture.name] != firstGid) {
                Lost("texture " + std::to_string(texture.name) + " is listed twice; only its later picture " +
                     "is kept, as the game would show it");
                firstGid += 256;
                continue;
            }
            const std::string file = TiledText::FromCp1252(texture.file);
            const std::size_t dot = file.rfind('.');
            pugi::xml_node tileset = root.append_child("tileset");
            tileset.append_attribute("firstgid") = firstGid;
            tileset.append_attribute("name") = (dot == std::string::npos ? file : file.substr(0, dot)).c_str();
            tileset.append_attribute("tilewidth") = 32;
            tileset.append_attribute("tileheight") = 32;
            tileset.append_attribute("tilecount") = 256;
            tileset.append_attribute("columns") = 16;
            AddProperty(tileset, "texture", "int", std::to_string(texture.name));
            AddProperty(tileset, "file", nullptr, file);
            pugi::xml_node image = tileset.append_child("image");
            image.append_attribute("source") = pictureForTga(texture.file).c_str();
            image.append_attribute("width") = 512;
            image.append_attribute("height") = 512;
            firstGid += 256;
        }
    }

    pugi::xml_node AddLayer(const std::string& name, const std::vector<std::uint32_t>& gids)
    {
        pugi::xml_node layer = root.append_child("layer");
        layer.append_attribute("id") = nextLayerId++;
        layer.append_attribute("name") = name.c_str();
        layer.append_attribute("width") = map.width;
        layer.append_attribute("height") = map.height;
        pugi::xml_node data = layer.append_child("data");
        data.append_attribute("encoding") = "csv";
        data.text() = Csv(gids, map.width).c_str();
        return layer;
    }

    void AddLayers()
    {
        static const char* const names[] = {"ground", "details", "above characters"};
        std::map<int, int> missing;  // texture -> count of tiles drawn with it
        for (std::size_t l = 0; l < map.layers.size(); ++l) {
            if (l >= 3) {
                Lost("layer " + std::to_string(l + 1) + " is never drawn by the engine and is left out");
                continue;
            }
            std::vector<std::uint32_t> gids;
            gids.reserve(std::size_t(map.width) * map.height);
            for (std::uint16_t y = 0; y < map.height; ++y)
                for (std::uint16_t x = 0; x < map.width; ++x) {
                    const MapTile& tile = map.layers[l].At(x, y);
                    const auto sheet = firstGidOf.find(tile.texture);
                    if (tile.texture == 0 || sheet == firstGidOf.end()) {
                        if (tile.texture != 0)
                            ++missing[tile.texture];
                        gids.push_back(0);
                    } else {
                        gids.push_back(sheet->second + tile.cell);
                    }
                }
            AddLayer(names[l], gids);
        }
        for (const auto& entry : missing)
            Lost(std::to_string(entry.second) + " tiles are drawn with texture " + std::to_string(entry.first) +
                 ", which the map's texture table does not list (a picture the world loads): they are left out");
    }

    void AddCollision()
    {
        std::vector<std::uint32_t> gids;
        bool blocked = false, otherValues = false;
        for (std::uint16_t y = 0; y < map.height; ++y)
            for (std::uint16_t x = 0; x < map.width; ++x) {
                const std::uint8_t walk = map.walkability.At(x, y);
                blocked = blocked || walk == 0;
                otherValues = otherValues || walk > 1;
                gids.push_back(walk == 0 ? 1 : 0);
            }
        if (otherValues)
            Lost("walkability values other than 0 and 1 become 1 (walkable)");
        if (!blocked)
            return;
        if (firstGidOf.empty()) {
            Lost("the blocked tiles cannot be marked: a collision layer needs a tileset, and the map has none");
            return;
        }
        // Any tile marks a blocked cell; the first tile of the first tileset does.
        for (std::uint32_t& gid : gids)
            gid = gid != 0 ? 1 : 0;
        pugi::xml_node layer = AddLayer("collision", gids);
        layer.append_attribute("opacity") = 0.5;
    }

    pugi::xml_node ObjectGroup(const char* name)
    {
        pugi::xml_node group = root.append_child("objectgroup");
        group.append_attribute("id") = nextLayerId++;
        group.append_attribute("name") = name;
        return group;
    }

    pugi::xml_node AddObject(pugi::xml_node& group, const char* type, const std::string& name, int x, int y,
                             int width, int height)
    {
        pugi::xml_node object = group.append_child("object");
        object.append_attribute("id") = nextObjectId++;
        if (!name.empty())
            object.append_attribute("name") = name.c_str();
        object.append_attribute("type") = type;
        object.append_attribute("x") = x;
        object.append_attribute("y") = y;
        object.append_attribute("width") = width;
        object.append_attribute("height") = height;
        return object;
    }

    void AddCharacters()
    {
        if (map.npcs.empty())
            return;
        pugi::xml_node group = ObjectGroup("characters");
        for (const CNpc& npc : map.npcs) {
            pugi::xml_node object =
                AddObject(group, "npc", TiledText::FromCp1252(npc.name), 32 * npc.tileX, 32 * npc.tileY, 32, 32);
            AddProperty(object, "id", "int", std::to_string(npc.identifier));
            AddProperty(object, "texture", "int", std::to_string(npc.texture));
            if (npc.actionScript != 0)
                AddProperty(object, "script", "int", std::to_string(npc.actionScript));
            if (npc.reserved < 4)
                AddProperty(object, "facing", nullptr, kFacings[npc.reserved]);
            else
                Lost("npc " + std::to_string(npc.identifier) + " has the reserved value " +
                     std::to_string(npc.reserved) + ", which is no facing: it becomes bas");
        }
    }

    // One rectangle per run of equal scripts along a row.
    void AddTileScripts()
    {
        pugi::xml_node group;
        for (int kind = 0; kind < 2; ++kind)
            for (std::uint16_t y = 0; y < map.height; ++y)
                for (std::uint16_t x = 0; x < map.width;) {
                    const auto script = [&](std::uint16_t at) {
                        const TileEvent& event = map.events.At(at, y);
                        return kind == 0 ? event.actionScript : event.stepOnScript;
                    };
                    const std::uint16_t value = script(x);
                    std::uint16_t end = x;
                    while (end < map.width && script(end) == value)
                        ++end;
                    if (value != 0) {
                        if (!group)
                            group = ObjectGroup("tile scripts");
                        pugi::xml_node object =
                            AddObject(group, kind == 0 ? "action" : "step", "", 32 * x, 32 * y, 32 * (end - x), 32);
                        AddProperty(object, "script", "int", std::to_string(value));
                    }
                    x = end;
                }
    }

    const MapFile& map;
    const std::string& tmxPath;
    Diagnostics& diagnostics;
    pugi::xml_document document;
    pugi::xml_node root;
    std::map<std::uint16_t, std::uint32_t> firstGidOf;  // texture name -> first gid of its tileset
    int nextLayerId = 1;
    int nextObjectId = 1;
};

}  // namespace

bool WriteTmxMap(const MapFile& map, const std::string& tmxPath,
                 const std::function<std::string(const std::string& tgaFile)>& pictureForTga,
                 Diagnostics& diagnostics)
{
    return TmxBuilder(map, tmxPath, diagnostics).Build(pictureForTga);
}
