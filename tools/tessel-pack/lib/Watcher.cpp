#include "lib/Watcher.h"

#include <csignal>
#include <filesystem>
#include <ostream>
#include <vector>

#include "lib/SourceSnapshot.h"
#include "platform/Clock.h"

namespace {

volatile std::sig_atomic_t stopRequested = 0;

extern "C" void RequestStop(int)
{
    stopRequested = 1;
}

} // namespace

Watcher::Watcher(std::string sourceDir, std::string gameDir, std::function<int()> pass, std::ostream& out)
    : sourceDir(std::move(sourceDir)), gameDir(std::move(gameDir)), pass(std::move(pass)), out(out)
{
}

std::string Watcher::Shown(const std::string& path) const
{
    std::error_code error;
    const std::filesystem::path relative =
        std::filesystem::path(path).lexically_relative(std::filesystem::absolute(sourceDir, error).lexically_normal());
    return relative.empty() || *relative.begin() == ".." ? path : relative.string();
}

bool Watcher::SleepUnlessStopped(int milliseconds) const
{
    const int step = 50;
    for (int slept = 0; slept < milliseconds && !stopRequested; slept += step)
        SleepMilliseconds(step);
    return !stopRequested;
}

int Watcher::Run()
{
    stopRequested = 0;
    std::signal(SIGINT, RequestStop);
    std::signal(SIGTERM, RequestStop);
    std::vector<std::string> outside = SourceSnapshot::Outside(sourceDir);
    SourceSnapshot seen = SourceSnapshot::Take(sourceDir, gameDir, outside);
    pass();
    out << "watching " << sourceDir << " (Ctrl+C ends)" << std::endl;
    while (SleepUnlessStopped(kPollMilliseconds)) {
        const SourceSnapshot now = SourceSnapshot::Take(sourceDir, gameDir, outside);
        const std::string changed = now.Changed(seen);
        if (changed.empty())
            continue;
        if (!SleepUnlessStopped(kSettleMilliseconds))
            break;
        outside = SourceSnapshot::Outside(sourceDir);
        seen = SourceSnapshot::Take(sourceDir, gameDir, outside);
        out << "changed: " << Shown(changed) << std::endl;
        if (pass() != 0 && !gameDir.empty())
            out << "not packed: " << gameDir << " keeps the last good pass" << std::endl;
    }
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    out << "stopped watching" << std::endl;
    return 0;
}
