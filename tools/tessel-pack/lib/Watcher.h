#pragma once

#include <functional>
#include <iosfwd>
#include <string>

// tessel-pack --watch: packs once, then again whenever a source file
// changes (looked at every few tenths of a second), until the program is
// interrupted (Ctrl+C) or told to end (SIGTERM). A pass that fails leaves
// the game folder as the last good pass made it, and the watch goes on.
class Watcher {
public:
    // `pass` packs once, prints its findings and returns the exit status
    // a single run would have.
    Watcher(std::string sourceDir, std::string gameDir, std::function<int()> pass, std::ostream& out);

    // Returns 0 when stopped by a signal.
    int Run();

    static const int kPollMilliseconds = 400;
    // After a change is seen: a pause for the editor to finish writing.
    static const int kSettleMilliseconds = 100;

private:
    bool SleepUnlessStopped(int milliseconds) const;
    // A changed file as the author names it: relative to the source folder.
    std::string Shown(const std::string& path) const;

    std::string sourceDir;
    std::string gameDir;
    std::function<int()> pass;
    std::ostream& out;
};
