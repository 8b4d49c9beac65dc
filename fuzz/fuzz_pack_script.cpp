// Script sources: reading, linting, and writing back. A source read without
// errors is written out and read again to the same scripts.
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "lib/Diagnostics.h"
#include "lib/ScriptFile.h"
#include "lib/ScriptLinter.h"
#include "lib/ScriptSource.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    Diagnostics diagnostics;
    const std::vector<SourceScript> scripts = ScriptSource::Parse(text, "s.tsl.txt", diagnostics);
    ScriptLinter::LintWorld({ScriptFile{"s.tsl.txt", scripts}}, diagnostics);
    if (diagnostics.HasErrors())
        return 0;
    Diagnostics again;
    const std::vector<SourceScript> reread = ScriptSource::Parse(ScriptSource::Write(scripts), "s.tsl.txt", again);
    FUZZ_CHECK(!again.HasErrors());
    FUZZ_CHECK(reread.size() == scripts.size());
    for (std::size_t i = 0; i < scripts.size(); ++i)
        FUZZ_CHECK(reread[i].id == scripts[i].id && reread[i].text == scripts[i].text);
    return 0;
}
