// Save files: a refused file leaves the record untouched; an accepted one
// writes back into a file that reads the same again. An input whose first
// byte is '#' is taken as a payload and given a right header and checksum,
// so that the fuzzer reaches the payload's decoder past the checksum.
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "game/SaveEncoder.h"
#include "game/SaveGameReader.h"
#include "game/SaveGameWriter.h"

namespace {

std::vector<std::uint8_t> FileOf(const std::uint8_t* data, std::size_t size)
{
    if (size == 0 || data[0] != '#')
        return std::vector<std::uint8_t>(data, data + size);
    SaveEncoder out;
    out.Raw(reinterpret_cast<const std::uint8_t*>(SaveGameWriter::kMagic), sizeof SaveGameWriter::kMagic);
    out.U16(SaveGameWriter::kVersion);
    out.U32(static_cast<std::uint32_t>(size - 1));
    out.Raw(data + 1, size - 1);
    out.U32(Crc32(out.bytes.data(), out.bytes.size()));
    return out.bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::uint8_t> file = FileOf(data, size);
    SavedGame game;
    game.mapName = "untouched";
    std::string why;
    if (!SaveGameReader::Read(file.data(), file.size(), game, why)) {
        FUZZ_CHECK(!why.empty());
        FUZZ_CHECK(game.mapName == "untouched" && game.globals.empty() && game.runs.empty());
        return 0;
    }
    FUZZ_CHECK(!game.modes.empty());
    const std::vector<std::uint8_t> written = SaveGameWriter::Write(game);
    SavedGame again;
    FUZZ_CHECK(SaveGameReader::Read(written.data(), written.size(), again, why));
    FUZZ_CHECK(SaveGameWriter::Payload(again) == SaveGameWriter::Payload(game));
    return 0;
}
