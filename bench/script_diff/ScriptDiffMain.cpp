// Runs thousands of random scripts with the interpreter's memoising on and
// off and compares what each run shows (output, world commands, variables,
// globals).
//
//   bench_script_diff [COUNT [FIRST_SEED]]     (defaults: 5000 programs, seed 1)
//
// Prints the seed and text of each script that differs; exits with 1 if any.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ScriptDifferential.h"
#include "ScriptGenerator.h"

int main(int argc, char** argv)
{
    const std::uint32_t count = argc > 1 ? static_cast<std::uint32_t>(std::strtoul(argv[1], nullptr, 10)) : 5000;
    const std::uint32_t first = argc > 2 ? static_cast<std::uint32_t>(std::strtoul(argv[2], nullptr, 10)) : 1;
    const auto start = std::chrono::steady_clock::now();
    std::uint32_t differing = 0;
    for (std::uint32_t seed = first; seed < first + count; ++seed) {
        const std::string script = ScriptGenerator(seed).Generate();
        if (RunTranscript(script, true) == RunTranscript(script, false))
            continue;
        ++differing;
        std::printf("seed %u differs:\n%s\n\n", seed, script.c_str());
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%u programs from seed %u: %u differ (%.1f s)\n", count, first, differing, seconds);
    return differing == 0 ? 0 : 1;
}
