#include "lib/TmjReader.h"

#include <algorithm>

#include "lib/JsonBreak.h"
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

// Indexing where every value starts costs memory per value; a map file
// larger than this (a very large map of JSON arrays) is read without lines.
static const std::size_t kMaxIndexedBytes = 4 << 20;

bool TmjReader::Load(json& document)
{
    std::string readError;
    if (!TiledPath::ReadText(path, text, readError)) {
        diagnostics.Error(display, 0, 0, readError);
        return false;
    }
    int line = 0, column = 0;
    std::string tooDeep;
    if (JsonPositions::TooDeep(text, line, column, tooDeep)) {
        diagnostics.Error(display, line, column, tooDeep);
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
                          "is not valid JSON: " + (colon == std::string::npos ? what : what.substr(colon + 2)) +
                              JsonBreak::Hint(text, error.byte, error.what()));
        return false;
    }
    if (!document.is_object()) {
        diagnostics.Error(display, 0, 0, "holds no JSON object: not a Tiled file");
        return false;
    }
    if (text.size() <= kMaxIndexedBytes)
        positions = std::make_unique<JsonPositions>(text);
    return true;
}

int TmjReader::LineOf(const std::string& pointer) const
{
    int line = 0, column = 0;
    return positions != nullptr && positions->Find(pointer, line, column) ? line : 0;
}

TiledProperties TmjReader::ReadProperties(const json& owner, const std::string& pointer) const
{
    TiledProperties properties;
    const json& all = Array(owner, "properties");
    for (std::size_t i = 0; i < all.size(); ++i) {
        const json& property = all[i];
        if (!property.is_object())
            continue;
        TiledProperty p;
        p.line = LineOf(pointer + "/properties/" + std::to_string(i));
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
    map.infinite = document.contains("infinite") && document["infinite"] != false && document["infinite"] != 0;
    map.width = Int(document, "width");
    map.height = Int(document, "height");
    map.tileWidth = Int(document, "tilewidth");
    map.tileHeight = Int(document, "tileheight");
    map.line = LineOf("");
    map.properties = ReadProperties(document, "");
    const json& tilesets = Array(document, "tilesets");
    for (std::size_t i = 0; i < tilesets.size(); ++i) {
        const json& element = tilesets[i];
        if (!element.is_object())
            continue;
        const std::string pointer = "/tilesets/" + std::to_string(i);
        TiledTileset tileset;
        tileset.firstGid = std::uint32_t(Int(element, "firstgid"));
        if (element.contains("source"))
            ReadExternalTileset(path, display, LineOf(pointer), Text(element, "source"), tileset, diagnostics);
        else
            ReadTilesetObject(element, pointer, tileset);
        map.tilesets.push_back(tileset);
    }
    ReadLayers(Array(document, "layers"), "/layers", map);
    return true;
}

bool TmjReader::ReadTileset(TiledTileset& tileset)
{
    json document;
    if (!Load(document))
        return false;
    ReadTilesetObject(document, "", tileset);
    return true;
}

void TmjReader::ReadTilesetObject(const json& object, const std::string& pointer, TiledTileset& tileset)
{
    tileset.file = display;
    tileset.line = LineOf(pointer);
    tileset.name = Text(object, "name");
    tileset.tileWidth = int(Int(object, "tilewidth"));
    tileset.tileHeight = int(Int(object, "tileheight"));
    tileset.margin = int(Int(object, "margin"));
    tileset.spacing = int(Int(object, "spacing"));
    tileset.properties = ReadProperties(object, pointer);
    const std::string image = Text(object, "image");
    tileset.hasImage = !image.empty();
    if (!image.empty() && TiledPath::StaysInside(display, tileset.line, image, diagnostics)) {
        tileset.imagePath = TiledPath::Beside(path, image);
        tileset.imageDisplay = TiledPath::Beside(display, image);
    }
    const json& tiles = Array(object, "tiles");
    for (std::size_t i = 0; i < tiles.size(); ++i)
        if (tiles[i].is_object())
            tileset.tileProperties[int(Int(tiles[i], "id"))] =
                ReadProperties(tiles[i], pointer + "/tiles/" + std::to_string(i));
}

void TmjReader::ReadLayers(const json& layers, const std::string& pointer, TiledSource& map)
{
    for (std::size_t i = 0; i < layers.size(); ++i) {
        const json& layer = layers[i];
        if (!layer.is_object())
            continue;
        const std::string kind = Text(layer, "type");
        const std::string at = pointer + "/" + std::to_string(i);
        if (kind == "tilelayer")
            ReadTileLayer(layer, at, map);
        else if (kind == "objectgroup")
            ReadObjectGroup(layer, at, map);
        else if (kind == "group")
            ReadLayers(Array(layer, "layers"), at + "/layers", map);
    }
}

void TmjReader::ReadTileLayer(const json& element, const std::string& pointer, TiledSource& map)
{
    TiledTileLayer layer;
    layer.name = Text(element, "name");
    layer.line = LineOf(pointer);
    layer.width = Int(element, "width");
    layer.height = Int(element, "height");
    layer.visible = !element.contains("visible") || element["visible"] != false;
    layer.opacity = element.contains("opacity") ? Number(element, "opacity") : 1.0;
    const auto data = element.find("data");
    if (map.infinite || !TiledLayerData::SizeFits(layer.width, layer.height) || data == element.end()) {
        map.layers.push_back(layer);  // infinite maps are refused as a whole
        return;
    }
    const std::size_t count = std::size_t(std::max(0LL, layer.width)) * std::size_t(std::max(0LL, layer.height));
    std::string tooMany;
    if (!TiledLayerData::CountCells(cellsRead, layer.width, layer.height, layer.name, tooMany)) {
        diagnostics.Error(display, LineOf(pointer), 0, tooMany);
        map.layers.push_back(layer);
        return;
    }
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
        diagnostics.Error(display, LineOf(pointer + "/data"), 0, "layer '" + layer.name + "': " + error);
        layer.gids.assign(count, 0);
    }
    map.layers.push_back(layer);
}

void TmjReader::ReadObjectGroup(const json& element, const std::string& pointer, TiledSource& map)
{
    const json& objects = Array(element, "objects");
    for (std::size_t i = 0; i < objects.size(); ++i) {
        const json& node = objects[i];
        if (!node.is_object())
            continue;
        const std::string at = pointer + "/objects/" + std::to_string(i);
        TiledObject object;
        object.line = LineOf(at);
        object.id = Int(node, "id");
        object.name = Text(node, "name");
        object.cls = node.contains("type") ? Text(node, "type") : Text(node, "class");
        object.x = Number(node, "x");
        object.y = Number(node, "y");
        object.width = Number(node, "width");
        object.height = Number(node, "height");
        object.gid = std::uint32_t(Int(node, "gid"));
        object.properties = ReadProperties(node, at);
        if (node.contains("template")) {
            diagnostics.Error(display, object.line, 0, "object " + std::to_string(object.id) + " uses the template '" +
                                                 Text(node, "template") +
                                                 "': templates are not read; detach it in Tiled (right click > Detach)");
            continue;
        }
        map.objects.push_back(object);
    }
}
