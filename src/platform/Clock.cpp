#include "platform/Clock.h"

#include <chrono>
#include <thread>

namespace {
using SteadyClock = std::chrono::steady_clock;

// Initialised during static initialisation, before main runs.
const SteadyClock::time_point programStart = SteadyClock::now();
}

std::uint32_t MillisecondsSinceStart()
{
    auto elapsed = SteadyClock::now() - programStart;
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

std::uint64_t MicrosecondsSinceStart()
{
    auto elapsed = SteadyClock::now() - programStart;
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count());
}

void SleepMicroseconds(std::uint64_t us)
{
    std::this_thread::sleep_for(std::chrono::microseconds(us));
}

void SleepMilliseconds(std::uint32_t ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}
