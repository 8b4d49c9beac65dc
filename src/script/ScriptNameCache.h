#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// What each word of one run resolved to, kept for as long as it can still be
// right. A word's meaning depends only on which variables exist: variables
// are never removed, so the answers stay right until a variable is created.
// The run compares the sizes of its three variable lists on every read; when
// one has grown, every answer is dropped at once by starting a new epoch.
//
// Globals are kept the same way, each answer with the size of the global
// list it was found in.
class ScriptNameCache {
public:
    struct Entry {
        std::uint32_t epoch = 0;        // 0: never resolved
        std::int32_t type = 0;          // the token type after re-typing
        std::int32_t variableIndex = -1;
        std::uint32_t globalsSize = 0;  // size of the globals + 1; 0: unknown
        std::int32_t globalIndex = -1;
    };

    // The entry of token `index`, valid when its epoch equals Epoch().
    Entry& At(std::size_t index, std::size_t tokenCount, std::size_t ints, std::size_t floats, std::size_t strings)
    {
        if (entries.size() != tokenCount)
            entries.assign(tokenCount, Entry());
        if (ints != sizes[0] || floats != sizes[1] || strings != sizes[2]) {
            sizes[0] = ints;
            sizes[1] = floats;
            sizes[2] = strings;
            ++epoch;
        }
        return entries[index];
    }
    std::uint32_t Epoch() const { return epoch; }
    void Clear()
    {
        entries.clear();
        epoch = 1;
    }

private:
    std::vector<Entry> entries;
    std::size_t sizes[3] = {0, 0, 0};
    std::uint32_t epoch = 1;
};
