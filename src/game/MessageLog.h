#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

// Recent error lines, each kept for a few seconds, for showing on screen
// what would otherwise scroll by on a console nobody is watching.
class MessageLog {
public:
    static constexpr std::uint32_t kShownMilliseconds = 5000;
    static constexpr std::size_t kMostLines = 6;

    // Adds a line at time `nowMs`; the oldest line goes when there are
    // more than kMostLines.
    void Add(const std::string& text, std::uint32_t nowMs);
    // The lines younger than kShownMilliseconds at `nowMs`, oldest first
    // (newest last); older ones are forgotten.
    std::vector<std::string> Current(std::uint32_t nowMs);

private:
    struct Line {
        std::string text;
        std::uint32_t addedMs;
    };
    std::deque<Line> lines;
};
