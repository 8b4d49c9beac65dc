#include "lib/TmjReader.h"

#include <algorithm>

#include "lib/TiledLayerData.h"
#include "lib/TiledPath.h"
#include "lib/TiledTilesetFile.h"

using nlohmann::json;

namespace {

// Member `key` of `object` when it has the type asked for, else `fallback`.
long long Int(const json& object, const char* key, long long fallback = 0)
{
    const auto it = object.find(key);
    return it != object.end() && it->is_number() ? it->get<long long>() : fallback;
}
double Number(const json& object, const char* key)
{
    const auto it = object.find(key);
    return it != object.end() && it->is_number() ? it->get<double>() : 0.0;
}
std::string Text(const json& object, const char* key)
{
    const auto it = object.find(key);
    return it != object.end() && it->is_string() ? it->get<std::string>() : std::string();
}
const json& Array(const json& object, const char* key)
{
    static const json empty = json::array();
    const auto it = object.find(key);
    return it != object.end() && it->is_array() ? *it : empty;
}

// A property value as the TMX form writes it.
std::string ValueText(const json& value)
{
    if (value.is_string())
        return value.get<std::string>();
    if (value.is_boolean())
        return value.get<bool>() ? "true" : "false";
    if (value.is_number_integer())
        return std::to_string(value.get<long long>());
    return value.dump();
}

}  // namespace

TmjReader::TmjReader(const std::string& path, const std::string& display, Diagnostics& diagnostics)
    : path(path), display(display), diagnostics(diagnostics)
{
}

bool TmjReader::Load(json& document)
{
    std::string text;
    if (!TiledPath::ReadText(path, text)) {
        diagnostics.Error(display, 0, 0, "cannot be opened");
        return false;
    }
    try {
        document = json::parse(text);
    } catch (const json::parse_error& error) {
        const std::size_t offset = std::min(error.byte > 0 ? error.byte - 1 : 0, text.size());
        const int line = 1 + int(std::count(text.begin(), text.begin() + long(offset), '\n'));
        const std::size_t lineStart = text.rfind('\n', offset == 0 ? 0 : offset - 1);
        const int column = int(offset - (lineStart == std::string::npos || offset == 0 ? 0 : lineStart + 1)) + 1;
        std::string what = error.what();
        const std::size_t colon = what.rfind(": ");
        diagnostics.Error(display, line, column,
                          "is not valid JSON: " + (colon == std::string::npos ? what : what.substr(colon + 2)));
        return false;
    }
    if (!document.is_object()) {
        diagnostics.Error(display, 0, 0, "holds no JSON object: not a Tiled file");
        return false;
    }
    return true;
}

TiledProperties TmjReader::ReadProperties(const json& owner)
{
    TiledProperties properties;
    for (const json& property : Array(owner, "properties")) {
        if (!property.is_object())
            continue;
        TiledProperty p;
        p.name = Text(property, "name");
        p.type = property.contains("type") ? Text(property, "type") : "string";
        p.value = property.contains("value") ? ValueText(property["value"]) : std::string();
        properties.Add(p);
    }
    return properties;
}

bool TmjReader::ReadMap(TiledSource& map)
{
    json document;
    map.file = display;
    if (!Load(document))
        return false;
    if (Text(document, "type") != "map" && !document.contains("layers")) {
        diagnostics.Error(display, 0, 0, "is not a Tiled map (no \"layers\")");
        return false;
    }
    map.orientation = Text(document, "orientation");
    map.infinite = document.value("infinite", false);
    map.width = Int(document, "width");
    map.height = Int(document, "height");
    map.tileWidth = Int(document, "tilewidth");
    map.tileHeight = Int(document, "tileheight");
    map.properties = ReadProperties(document);
    for (const json& element : Array(document, "tilesets")) {
        if (!element.is_object())
            continue;
        TiledTileset tileset;
        tileset.firstGid = std::uint32_t(Int(element, "firstgid"));
        if (element.contains("source"))
            ReadExternalTileset(path, display, 0, Text(element, "source"), tileset, diagnostics);
        else
            ReadTilesetObject(element, tileset);
        map.tilesets.push_back(tileset);
    }
    ReadLayers(Array(document, "layers"), map);
    return true;
}

bool TmjReader::ReadTileset(TiledTileset& tileset)
{
    json document;
    if (!Load(document))
        return false;
    ReadTilesetObject(document, tileset);
    return true;
}

void TmjReader::ReadTilesetObject(const json& object, TiledTileset& tileset)
{
    tileset.file = display;
    tileset.name = Text(object, "name");
    tileset.tileWidth = int(Int(object, "tilewidth"));
    tileset.tileHeight = int(Int(object, "tileheight"));
    tileset.margin = int(Int(object, "margin"));
    tileset.spacing = int(Int(object, "spacing"));
    tileset.properties = ReadProperties(object);
    const std::string image = Text(object, "image");
    if (!image.empty()) {
        tileset.hasImage = true;
        tileset.imagePath = TiledPath::Beside(path, image);
        tileset.imageDisplay = TiledPath::Beside(display, image);
    }
    for (const json& tile : Array(object, "tiles"))
        if (tile.is_object())
            tileset.tileProperties[int(Int(tile, "id"))] = ReadProperties(tile);
}

void TmjReader::ReadLayers(const json& layers, TiledSource& map)
{
    for (const json& layer : layers) {
        if (!layer.is_object())
            continue;
        const std::string kind = Text(layer, "type");
        if (kind == "tilelayer")
            ReadTileLayer(layer, map);
        else if (kind == "objectgroup")
            ReadObjectGroup(layer, map);
        else if (kind == "group")
            ReadLayers(Array(layer, "layers"), map);
    }
}

void TmjReader::ReadTileLayer(const json& element, TiledSource& map)
{
    TiledTileLayer layer;
    layer.name = Text(element, "name");
    layer.width = Int(element, "width");
    layer.height = Int(element, "height");
    const auto data = element.find("data");
    if (map.infinite || !TiledLayerData::SizeFits(layer.width, layer.height) || data == element.end()) {
        map.layers.push_back(layer);  // infinite maps are refused as a whole
        return;
    }
    const std::size_t count = std::size_t(std::max(0LL, layer.width)) * std::size_t(std::max(0LL, layer.height));
    std::string error;
    bool decoded = true;
    if (data->is_array()) {
        for (const json& gid : *data)
            layer.gids.push_back(gid.is_number_unsigned() ? gid.get<std::uint32_t>() : 0);
        if (layer.gids.size() != count) {
            decoded = false;
            error = std::to_string(layer.gids.size()) + " tile ids where the layer has " + std::to_string(count) +
                    " cells";
        }
    } else if (data->is_string() && Text(element, "encoding") == "base64") {
        decoded = TiledLayerData::DecodeBase64(data->get<std::string>(), Text(element, "compression"), count,
                                               layer.gids, error);
    } else {
        decoded = false;
        error = "the layer data is neither an array of tile ids nor base64 text";
    }
    if (!decoded) {
        diagnostics.Error(display, 0, 0, "layer '" + layer.name + "': " + error);
        layer.gids.assign(count, 0);
    }
    map.layers.push_back(layer);
}

void TmjReader::ReadObjectGroup(const json& element, TiledSource& map)
{
    for (const json& node : Array(element, "objects")) {
        if (!node.is_object())
            continue;
        TiledObject object;
        object.id = Int(node, "id");
        object.name = Text(node, "name");
        object.cls = node.contains("type") ? Text(node, "type") : Text(node, "class");
        object.x = Number(node, "x");
        object.y = Number(node, "y");
        object.width = Number(node, "width");
        object.height = Number(node, "height");
        object.gid = std::uint32_t(Int(node, "gid"));
        object.properties = ReadProperties(node);
        if (node.contains("template")) {
            diagnostics.Error(display, 0, 0, "object " + std::to_string(object.id) + " uses the template '" +
                                                 Text(node, "template") +
                                                 "': templates are not read; detach it in Tiled (right click > Detach)");
            continue;
        }
        map.objects.push_back(object);
    }
}
