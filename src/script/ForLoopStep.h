#pragma once

#include <cstdint>

// One count of a `for` loop: the counter advances by `increment` and the
// loop ends once it has passed `limit` (a step of 0 ends it at once). A step
// that would carry the counter beyond the int32 range ends the loop and
// leaves the counter as it was: wrapping around would bring it back below a
// limit near the top of the range, and the loop would never end.
struct ForLoopStep {
    std::int32_t counter;
    bool ended;
};

inline ForLoopStep StepForLoop(std::int32_t counter, std::int32_t increment, std::int32_t limit)
{
    const std::int64_t next = static_cast<std::int64_t>(counter) + increment;
    if (next > INT32_MAX || next < INT32_MIN)
        return ForLoopStep{counter, true};
    const std::int32_t value = static_cast<std::int32_t>(next);
    const bool ended = increment == 0 || (increment > 0 && value > limit) || (increment < 0 && value < limit);
    return ForLoopStep{value, ended};
}
