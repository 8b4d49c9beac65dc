#include "TiledTestMap.h"

#include <cstdio>
#include <cstdlib>
#include <zlib.h>

#include "lib/Base64.h"
#include "lib/Picture.h"

namespace {

std::vector<std::uint8_t> Compress(const std::vector<std::uint8_t>& bytes, bool gzip)
{
    z_stream stream{};
    deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, gzip ? 31 : 15, 8, Z_DEFAULT_STRATEGY);
    std::vector<std::uint8_t> out(deflateBound(&stream, uLong(bytes.size())) + 32);
    stream.next_in = const_cast<Bytef*>(bytes.data());
    stream.avail_in = uInt(bytes.size());
    stream.next_out = out.data();
    stream.avail_out = uInt(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(out.size() - stream.avail_out);
    deflateEnd(&stream);
    return out;
}

std::string Data(const std::vector<std::uint32_t>& gids, int width, const std::string& encoding,
                 const std::string& compression)
{
    if (encoding == "csv") {
        std::string text = "<data encoding=\"csv\">\n";
        for (std::size_t i = 0; i < gids.size(); ++i)
            text += std::to_string(gids[i]) + (i + 1 < gids.size() ? "," : "") + ((i + 1) % width ? "" : "\n");
        return text + "</data>";
    }
    if (encoding == "xml") {
        std::string text = "<data>\n";
        for (std::uint32_t gid : gids)
            text += gid ? "<tile gid=\"" + std::to_string(gid) + "\"/>\n" : "<tile/>\n";
        return text + "</data>";
    }
    std::vector<std::uint8_t> bytes;
    for (std::uint32_t gid : gids)
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(std::uint8_t(gid >> shift));
    if (!compression.empty())
        bytes = Compress(bytes, compression == "gzip");
    return "<data encoding=\"base64\"" + (compression.empty() ? "" : " compression=\"" + compression + "\"") +
           ">\n   " + Base64::Encode(bytes) + "\n  </data>";
}

}  // namespace

TiledTestMap::TiledTestMap(int width, int height) : width(width), height(height) {}

TiledTestMap& TiledTestMap::MapProperty(const std::string& name, const std::string& type, const std::string& value)
{
    properties += "  <property name=\"" + name + "\" type=\"" + type + "\" value=\"" + value + "\"/>\n";
    return *this;
}

TiledTestMap& TiledTestMap::Tileset(int firstGid, const std::string& name, int texture, const std::string& image,
                                    const std::string& extra)
{
    return RawTileset("<tileset firstgid=\"" + std::to_string(firstGid) + "\" name=\"" + name +
                      "\" tilewidth=\"32\" tileheight=\"32\" tilecount=\"256\" columns=\"16\">\n"
                      "  <properties>\n   <property name=\"texture\" type=\"int\" value=\"" +
                      std::to_string(texture) + "\"/>\n  </properties>\n  <image source=\"" + image +
                      "\" width=\"512\" height=\"512\"/>\n" + extra + " </tileset>");
}

TiledTestMap& TiledTestMap::RawTileset(const std::string& xml)
{
    tilesets += " " + xml + "\n";
    return *this;
}

TiledTestMap& TiledTestMap::ExternalTileset(int firstGid, const std::string& source)
{
    return RawTileset("<tileset firstgid=\"" + std::to_string(firstGid) + "\" source=\"" + source + "\"/>");
}

TiledTestMap& TiledTestMap::Layer(const std::string& name, const std::vector<std::uint32_t>& gids,
                                  const std::string& encoding, const std::string& compression)
{
    layers += " <layer id=\"" + std::to_string(nextId++) + "\" name=\"" + name + "\" width=\"" +
              std::to_string(width) + "\" height=\"" + std::to_string(height) + "\">\n  " +
              Data(gids, width, encoding, compression) + "\n </layer>\n";
    return *this;
}

TiledTestMap& TiledTestMap::Object(const std::string& type, const std::string& name, int x, int y, int w, int h,
                                   const std::vector<std::pair<std::string, std::string>>& props)
{
    objects += "  <object id=\"" + std::to_string(nextId++) + "\" name=\"" + name + "\" type=\"" + type +
               "\" x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) + "\" width=\"" + std::to_string(w) +
               "\" height=\"" + std::to_string(h) + "\">\n   <properties>\n";
    for (const auto& p : props)
        objects += "    <property name=\"" + p.first + "\"" + (p.first == "facing" ? "" : " type=\"int\"") +
                   " value=\"" + p.second + "\"/>\n";
    objects += "   </properties>\n  </object>\n";
    return *this;
}

TiledTestMap& TiledTestMap::Raw(const std::string& xml)
{
    raw += xml + "\n";
    return *this;
}

std::string TiledTestMap::Tmx() const
{
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<map version=\"1.8\" orientation=\"orthogonal\" "
                       "renderorder=\"right-down\" width=\"" + std::to_string(width) + "\" height=\"" +
                       std::to_string(height) + "\" tilewidth=\"32\" tileheight=\"32\" infinite=\"0\"";
    text += " nextlayerid=\"" + std::to_string(nextId + 1) + "\" nextobjectid=\"" + std::to_string(nextId) + "\">\n";
    if (!properties.empty())
        text += " <properties>\n" + properties + " </properties>\n";
    text += tilesets + layers;
    if (!objects.empty())
        text += " <objectgroup id=\"" + std::to_string(nextId) + "\" name=\"objects\">\n" + objects +
                " </objectgroup>\n";
    return text + raw + "</map>\n";
}

TiledTestMap Village(int W, int H)
{
    std::vector<std::uint32_t> details = Filled(W, H, 0), over = Filled(W, H, 0), collision = Filled(W, H, 0);
    details[1 * W + 2] = 257 + 17;
    details[3 * W + 0] = 257;  // the house sheet's first tile: id = firstgid
    over[0 * W + 2] = 257 + 255;
    collision[4 * W + 5] = 3;
    std::vector<std::uint32_t> ground = Filled(W, H, 1);
    ground[4 * W + 4] = 256;  // the grass sheet's last tile
    return TiledTestMap(W, H)
        .MapProperty("start_script", "int", "12")
        .Tileset(1, "grass", 7, "../art/grass.png")
        .Tileset(257, "house", 9, "../art/house.png",
                 "  <tile id=\"17\"><properties><property name=\"walkable\" type=\"bool\" "
                 "value=\"false\"/></properties></tile>\n")
        .Layer("ground", ground)
        .Layer("details", details)
        .Layer("collision", collision)
        .Layer("roofs", over)
        .Object("npc", "Cl\xC3\xA9ment", 3 * 32 + 5, 2 * 32 + 31, 32, 32,
                {{"id", "4"}, {"texture", "300"}, {"script", "40"}, {"facing", "droite"}})
        .Object("action", "door", 2 * 32, 1 * 32, 32, 32, {{"script", "50"}})
        .Object("step", "mat", 0, 4 * 32 + 8, 2 * 32 + 1, 10, {{"script", "51"}});
}

std::vector<std::uint32_t> Filled(int width, int height, std::uint32_t gid)
{
    return std::vector<std::uint32_t>(std::size_t(width) * height, gid);
}

void WritePng(const std::string& path, int width, int height, const std::function<Rgba(int x, int y)>& texel)
{
    Picture picture{width, height, 4, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const Rgba p = texel(x, y);
            picture.pixels.insert(picture.pixels.end(), {p.r, p.g, p.b, p.a});
        }
    const std::vector<std::uint8_t> png = picture.Png();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file != nullptr) {
        std::fwrite(png.data(), 1, png.size(), file);
        std::fclose(file);
    }
}

static Rgba SheetTexel(int x, int y, std::uint8_t blue, bool holes)
{
    const int cell = (y / 32) * 16 + x / 32, dx = x % 32, dy = y % 32;
    const bool hole = holes && dx < 16 && dy < 16;
    return Rgba{std::uint8_t(cell), std::uint8_t(8 * dy), std::uint8_t(blue + 4 * dx), std::uint8_t(hole ? 0 : 255)};
}

void WriteSheetPng(const std::string& path, std::uint8_t blue, bool holes)
{
    WritePng(path, 512, 512, [&](int x, int y) { return SheetTexel(x, y, blue, holes); });
}

bool HaveProgram(const std::string& name)
{
    return RunQuietly("command -v " + name);
}

bool RunQuietly(const std::string& command)
{
    return std::system((command + " >/dev/null 2>&1").c_str()) == 0;
}
