// world.json: any text is either accepted, or refused with at least one
// error that names world.json; the answer agrees with the messages.
#include <string>

#include "FuzzCheck.h"
#include "lib/Diagnostics.h"
#include "lib/WorldSource.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    WorldSpec world;
    Diagnostics diagnostics;
    const bool accepted = WorldSource::Parse(text, "world.json", world, diagnostics);
    FUZZ_CHECK(accepted == !diagnostics.HasErrors());
    for (const Diagnostic& diagnostic : diagnostics.All())
        FUZZ_CHECK(diagnostic.file == "world.json" && !diagnostic.message.empty() && diagnostic.line >= 0);
    return 0;
}
