#include "lib/TmxReader.h"

#include <algorithm>
#include <cstdlib>

#include "lib/TiledLayerData.h"
#include "lib/TiledPath.h"
#include "lib/TiledTilesetFile.h"

namespace {

long long IntAttribute(const pugi::xml_node& node, const char* name, long long fallback = 0)
{
    const pugi::xml_attribute attribute = node.attribute(name);
    return attribute ? attribute.as_llong(fallback) : fallback;
}

}  // namespace

TmxReader::TmxReader(const std::string& path, const std::string& display, Diagnostics& diagnostics)
    : path(path), display(display), diagnostics(diagnostics)
{
}

bool TmxReader::Load(pugi::xml_document& document, const char* rootName)
{
    std::string readError;
    if (!TiledPath::ReadText(path, text, readError)) {
        diagnostics.Error(display, 0, 0, readError);
        return false;
    }
    lineStarts.assign(1, 0);
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n')
            lineStarts.push_back(i + 1);
    const pugi::xml_parse_result result = document.load_buffer(text.data(), text.size());
    if (!result) {
        const std::size_t offset = std::size_t(std::max<std::ptrdiff_t>(result.offset, 0));
        const auto next = std::upper_bound(lineStarts.begin(), lineStarts.end(), offset);
        const int line = int(next - lineStarts.begin());
        diagnostics.Error(display, line, int(offset - lineStarts[line - 1]) + 1,
                          std::string("is not well-formed XML: ") + result.description());
        return false;
    }
    if (!document.child(rootName)) {
        diagnostics.Error(display, 0, 0, std::string("has no <") + rootName + "> element: not a Tiled " +
                                             (std::string(rootName) == "map" ? "map" : "tileset"));
        return false;
    }
    return true;
}

int TmxReader::Line(const pugi::xml_node& node) const
{
    const std::ptrdiff_t offset = node.offset_debug();
    if (offset < 0)
        return 0;
    return int(std::upper_bound(lineStarts.begin(), lineStarts.end(), std::size_t(offset)) - lineStarts.begin());
}

void TmxReader::Error(const pugi::xml_node& node, const std::string& message)
{
    diagnostics.Error(display, Line(node), 0, message);
}

TiledProperties TmxReader::ReadProperties(const pugi::xml_node& element) const
{
    TiledProperties properties;
    for (const pugi::xml_node& property : element.child("properties").children("property")) {
        TiledProperty p;
        p.name = property.attribute("name").as_string();
        p.type = property.attribute("type") ? property.attribute("type").as_string() : "string";
        // Multi-line strings are kept as the element's text.
        p.value = property.attribute("value") ? property.attribute("value").as_string() : property.text().as_string();
        p.line = Line(property);
        properties.Add(p);
    }
    return properties;
}

bool TmxReader::ReadMap(TiledSource& map)
{
    pugi::xml_document document;
    map.file = display;
    if (!Load(document, "map"))
        return false;
    const pugi::xml_node root = document.child("map");
    map.line = Line(root);
    map.orientation = root.attribute("orientation").as_string();
    map.infinite = IntAttribute(root, "infinite") != 0;
    map.width = IntAttribute(root, "width");
    map.height = IntAttribute(root, "height");
    map.tileWidth = IntAttribute(root, "tilewidth");
    map.tileHeight = IntAttribute(root, "tileheight");
    map.properties = ReadProperties(root);
    for (const pugi::xml_node& element : root.children("tileset")) {
        TiledTileset tileset;
        tileset.firstGid = std::uint32_t(IntAttribute(element, "firstgid"));
        tileset.line = Line(element);
        if (element.attribute("source"))
            ReadExternalTileset(path, display, tileset.line, element.attribute("source").as_string(), tileset,
                                diagnostics);
        else
            ReadTilesetElement(element, tileset);
        map.tilesets.push_back(tileset);
    }
    ReadLayers(root, map, 0);
    return true;
}

bool TmxReader::ReadTileset(TiledTileset& tileset)
{
    pugi::xml_document document;
    if (!Load(document, "tileset"))
        return false;
    const std::uint32_t firstGid = tileset.firstGid;
    ReadTilesetElement(document.child("tileset"), tileset);
    tileset.firstGid = firstGid;
    return true;
}

void TmxReader::ReadTilesetElement(const pugi::xml_node& element, TiledTileset& tileset)
{
    tileset.file = display;
    tileset.line = Line(element);
    tileset.name = element.attribute("name").as_string();
    tileset.tileWidth = int(IntAttribute(element, "tilewidth"));
    tileset.tileHeight = int(IntAttribute(element, "tileheight"));
    tileset.margin = int(IntAttribute(element, "margin"));
    tileset.spacing = int(IntAttribute(element, "spacing"));
    tileset.properties = ReadProperties(element);
    const pugi::xml_node image = element.child("image");
    if (image && image.attribute("source")) {
        tileset.hasImage = true;
    }
    if (image && image.attribute("source") &&
        TiledPath::StaysInside(display, Line(image), image.attribute("source").as_string(), diagnostics)) {
        tileset.imagePath = TiledPath::Beside(path, image.attribute("source").as_string());
        tileset.imageDisplay = TiledPath::Beside(display, image.attribute("source").as_string());
    }
    for (const pugi::xml_node& tile : element.children("tile"))
        tileset.tileProperties[int(IntAttribute(tile, "id"))] = ReadProperties(tile);
}

void TmxReader::ReadLayers(const pugi::xml_node& parent, TiledSource& map, std::size_t depth)
{
    if (depth > kMaxGroupDepth) {
        Error(parent, "layer groups nest more than " + std::to_string(kMaxGroupDepth) + " deep here");
        return;
    }
    for (const pugi::xml_node& element : parent.children()) {
        const std::string kind = element.name();
        if (kind == "layer")
            ReadTileLayer(element, map);
        else if (kind == "objectgroup")
            ReadObjectGroup(element, map);
        else if (kind == "group")
            ReadLayers(element, map, depth + 1);
    }
}

void TmxReader::ReadTileLayer(const pugi::xml_node& element, TiledSource& map)
{
    TiledTileLayer layer;
    layer.name = element.attribute("name").as_string();
    layer.line = Line(element);
    layer.width = IntAttribute(element, "width");
    layer.height = IntAttribute(element, "height");
    layer.visible = IntAttribute(element, "visible", 1) != 0;
    layer.opacity = element.attribute("opacity").as_double(1.0);
    const pugi::xml_node data = element.child("data");
    if (map.infinite || !TiledLayerData::SizeFits(layer.width, layer.height) || !data || data.child("chunk")) {
        map.layers.push_back(layer);  // infinite maps are refused as a whole
        return;
    }
    const std::string encoding = data.attribute("encoding").as_string();
    const std::size_t count = std::size_t(std::max(0LL, layer.width)) * std::size_t(std::max(0LL, layer.height));
    std::string tooMany;
    if (!TiledLayerData::CountCells(cellsRead, layer.width, layer.height, layer.name, tooMany)) {
        diagnostics.Error(display, Line(element), 0, tooMany);
        map.layers.push_back(layer);
        return;
    }
    std::string error;
    bool decoded = true;
    if (encoding == "csv")
        decoded = TiledLayerData::DecodeCsv(data.text().as_string(), count, layer.gids, error);
    else if (encoding == "base64")
        decoded = TiledLayerData::DecodeBase64(data.text().as_string(), data.attribute("compression").as_string(),
                                               count, layer.gids, error);
    else if (encoding.empty()) {
        for (const pugi::xml_node& tile : data.children("tile"))
            layer.gids.push_back(std::uint32_t(tile.attribute("gid").as_ullong()));
        if (layer.gids.size() != count) {
            decoded = false;
            error = std::to_string(layer.gids.size()) + " <tile> elements where the layer has " +
                    std::to_string(count) + " cells";
        }
    } else {
        decoded = false;
        error = "the encoding '" + encoding + "' is not supported: choose CSV or Base64";
    }
    if (!decoded) {
        Error(data, "layer '" + layer.name + "': " + error);
        layer.gids.assign(count, 0);
    }
    map.layers.push_back(layer);
}

void TmxReader::ReadObjectGroup(const pugi::xml_node& element, TiledSource& map)
{
    for (const pugi::xml_node& node : element.children("object")) {
        TiledObject object;
        object.line = Line(node);
        object.id = IntAttribute(node, "id");
        object.name = node.attribute("name").as_string();
        object.cls = node.attribute("type") ? node.attribute("type").as_string() : node.attribute("class").as_string();
        object.x = node.attribute("x").as_double();
        object.y = node.attribute("y").as_double();
        object.width = node.attribute("width").as_double();
        object.height = node.attribute("height").as_double();
        object.gid = std::uint32_t(node.attribute("gid").as_ullong());
        object.properties = ReadProperties(node);
        if (node.attribute("template")) {
            Error(node, std::string("object ") + std::to_string(object.id) + " uses the template '" +
                            node.attribute("template").as_string() +
                            "': templates are not read; detach it in Tiled (right click > Detach)");
            continue;
        }
        map.objects.push_back(object);
    }
}
