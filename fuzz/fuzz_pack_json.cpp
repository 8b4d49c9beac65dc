// The packer's JSON reading (world.json and Tiled's .tmj/.tsj): any text,
// however deep it nests, is either refused by the depth check or parsed,
// and then every value of it has a line and column. Nothing may crash or
// recurse without bound.
#include <nlohmann/json.hpp>

#include <algorithm>
#include <string>

#include "FuzzCheck.h"
#include "lib/Diagnostics.h"
#include "lib/JsonPositions.h"
#include "lib/WorldSource.h"

namespace {

void CheckPlaces(const JsonPositions& positions, const nlohmann::json& value, const std::string& pointer,
                 int lines, std::size_t depth)
{
    FUZZ_CHECK(depth <= JsonPositions::kMaxDepth + 1);
    int line = 0, column = 0;
    FUZZ_CHECK(positions.Find(pointer, line, column));
    FUZZ_CHECK(line >= 1 && line <= lines && column >= 1);
    if (value.is_object()) {
        for (auto it = value.begin(); it != value.end(); ++it)
            CheckPlaces(positions, it.value(), pointer + "/" + it.key(), lines, depth + 1);
    } else if (value.is_array()) {
        for (std::size_t i = 0; i < value.size(); ++i)
            CheckPlaces(positions, value[i], pointer + "/" + std::to_string(i), lines, depth + 1);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::size_t offset = 0;
    const bool tooDeep = JsonPositions::TooDeep(text, offset);
    FUZZ_CHECK(!tooDeep || (offset < text.size() && (text[offset] == '[' || text[offset] == '{')));

    // world.json's reader refuses what is too deep, with an error.
    WorldSpec world;
    Diagnostics diagnostics;
    const bool accepted = WorldSource::Parse(text, "world.json", world, diagnostics);
    FUZZ_CHECK(accepted == !diagnostics.HasErrors());
    FUZZ_CHECK(!tooDeep || !accepted);
    if (tooDeep)
        return 0;

    const nlohmann::json document = nlohmann::json::parse(text, nullptr, false);
    if (document.is_discarded())
        return 0;
    const JsonPositions positions(text);
    const int lines = 1 + int(std::count(text.begin(), text.end(), '\n'));
    CheckPlaces(positions, document, "", lines, 0);
    return 0;
}
