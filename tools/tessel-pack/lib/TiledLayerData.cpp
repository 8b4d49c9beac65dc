#include "lib/TiledLayerData.h"

#include <zlib.h>

#include "lib/Base64.h"

namespace {

// zlib or gzip stream (the header tells which) into exactly `size` bytes.
bool Inflate(const std::vector<std::uint8_t>& packed, std::size_t size, std::vector<std::uint8_t>& out,
             std::string& error)
{
    out.assign(size + 1, 0);
    z_stream stream{};
    if (inflateInit2(&stream, 15 + 32) != Z_OK) {
        error = "the decompressor could not start";
        return false;
    }
    stream.next_in = const_cast<Bytef*>(packed.data());
    stream.avail_in = uInt(packed.size());
    stream.next_out = out.data();
    stream.avail_out = uInt(out.size());
    const int result = inflate(&stream, Z_FINISH);
    const std::size_t produced = out.size() - stream.avail_out;
    inflateEnd(&stream);
    if (result != Z_STREAM_END) {
        error = produced == out.size() ? "the compressed data holds more tiles than the layer has"
                                       : "the compressed data is damaged or cut short";
        return false;
    }
    out.resize(produced);
    return true;
}

}  // namespace

bool TiledLayerData::DecodeCsv(const std::string& text, std::size_t count, std::vector<std::uint32_t>& gids,
                               std::string& error)
{
    gids.clear();
    gids.reserve(count);
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\n' || text[i] == '\r' || text[i] == '\t'))
            ++i;
        if (i == text.size())
            break;
        std::uint64_t value = 0;
        const std::size_t start = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            value = value * 10 + std::uint64_t(text[i] - '0');
            if (value > 0xFFFFFFFFu) {
                error = "tile id " + text.substr(start, i - start + 1) + "... is larger than 32 bits";
                return false;
            }
            ++i;
        }
        if (i == start) {
            error = std::string("'") + text[i] + "' where a tile id was expected";
            return false;
        }
        gids.push_back(std::uint32_t(value));
        while (i < text.size() && (text[i] == ' ' || text[i] == '\n' || text[i] == '\r' || text[i] == '\t'))
            ++i;
        if (i < text.size() && text[i] == ',')
            ++i;
    }
    if (gids.size() != count) {
        error = std::to_string(gids.size()) + " tile ids where the layer has " + std::to_string(count) + " cells";
        return false;
    }
    return true;
}

bool TiledLayerData::DecodeBase64(const std::string& text, const std::string& compression, std::size_t count,
                                  std::vector<std::uint32_t>& gids, std::string& error)
{
    std::vector<std::uint8_t> bytes;
    if (!Base64::Decode(text, bytes)) {
        error = "the base64 data holds a character outside the base64 alphabet";
        return false;
    }
    if (compression == "zlib" || compression == "gzip") {
        std::vector<std::uint8_t> packed;
        packed.swap(bytes);
        if (!Inflate(packed, count * 4, bytes, error))
            return false;
    } else if (!compression.empty()) {
        error = "the compression '" + compression +
                "' is not supported: choose CSV, Base64 (uncompressed), Base64 (zlib) or Base64 (gzip)";
        return false;
    }
    if (bytes.size() != count * 4) {
        error = std::to_string(bytes.size() / 4) + " tile ids where the layer has " + std::to_string(count) + " cells";
        return false;
    }
    gids.resize(count);
    for (std::size_t i = 0; i < count; ++i)
        gids[i] = std::uint32_t(bytes[4 * i]) | std::uint32_t(bytes[4 * i + 1]) << 8 |
                  std::uint32_t(bytes[4 * i + 2]) << 16 | std::uint32_t(bytes[4 * i + 3]) << 24;
    return true;
}
