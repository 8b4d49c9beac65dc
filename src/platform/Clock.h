#pragma once

#include <cstdint>

// Wall-clock milliseconds since the program started. Used for frame pacing
// and for the script language's Clock; unlike clock(), it counts real time,
// not processor time, so it keeps running while the program sleeps.
std::uint32_t MillisecondsSinceStart();

// The same clock in microseconds, for pacing that must not round.
std::uint64_t MicrosecondsSinceStart();

// Gives the processor away for at least `ms` milliseconds.
void SleepMilliseconds(std::uint32_t ms);
void SleepMicroseconds(std::uint64_t us);
