#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// What each word of one run resolved to, kept for as long as it can still be
// right. A word's meaning depends only on which variables exist: variables
// are never removed, so the answers stay right until a variable is created.
// The run compares the count of variables added to its three lists on every
// read; when it has changed, every answer is dropped at once by starting a
// new epoch.
//
// Globals are kept the same way, each answer with the count of globals
// added when it was found.
class ScriptNameCache {
public:
    struct Entry {
        std::uint32_t epoch = 0;        // 0: never resolved
        std::int32_t type = 0;          // the token type after re-typing
        std::int32_t variableIndex = -1;
        std::uint32_t globalsSize = 0;  // globals added + 1; 0: unknown
        std::int32_t globalIndex = -1;
    };

    // The entry of token `index`, valid when its epoch equals Epoch().
    Entry& At(std::size_t index, std::size_t tokenCount, std::uint32_t additions)
    {
        Refresh(tokenCount, additions);
        return entries[index];
    }
    // At without the checks, for a caller that has called it (or Refresh)
    // since the last variable was created.
    Entry& Checked(std::size_t index) { return entries[index]; }
    void Refresh(std::size_t tokenCount, std::uint32_t additions)
    {
        if (sizedFor != tokenCount) {
            entries.assign(tokenCount, Entry());
            sizedFor = tokenCount;
        }
        if (additions != seenAdditions) {
            seenAdditions = additions;
            ++epoch;
        }
    }
    std::uint32_t Epoch() const { return epoch; }
    void Clear()
    {
        entries.clear();
        sizedFor = 0;
        ++epoch;
    }

private:
    std::vector<Entry> entries;
    std::size_t sizedFor = 0;
    std::uint32_t seenAdditions = 0;
    std::uint32_t epoch = 1;
};
