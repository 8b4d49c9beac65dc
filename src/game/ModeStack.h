#pragma once

#include <cstdint>
#include <vector>

#include "game/ModeEntry.h"

// Last in, first out stack of modes. Its top says what is drawn, where the
// keys go and whether world commands may run.
class ModeStack {
public:
    void Push(const ModeEntry& entry) { entries.push_back(entry); }
    void Push(std::uint16_t type, std::uint16_t state) { entries.push_back({type, state, 0}); }
    // Does nothing when the stack is empty.
    void Pop();
    void Clear() { entries.clear(); }

    // The top entry's type and state, writable. On an empty stack both refer
    // to a scratch value that reads 0 each time it is asked for, so a write
    // through it is lost rather than remembered.
    std::uint16_t& TopType();
    std::uint16_t& TopState();

    bool Empty() const { return entries.empty(); }
    std::size_t Size() const { return entries.size(); }
    // Bottom first.
    const std::vector<ModeEntry>& Entries() const { return entries; }

private:
    std::vector<ModeEntry> entries;
    std::uint16_t emptyValue = 0;
};
