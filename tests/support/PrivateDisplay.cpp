#include "support/PrivateDisplay.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace {

std::string FileFor(const char* what)
{
    return "/tmp/tessel-display-" + std::string(what) + "-" + std::to_string(getpid());
}

void StopServer()
{
    std::system(("kill $(cat " + FileFor("pid") + ") 2>/dev/null; rm -f " + FileFor("pid") + " " +
                 FileFor("number")).c_str());
}

bool Start()
{
    if (std::system("command -v Xvfb >/dev/null") != 0)
        return false;
    // -displayfd: the server picks a free display and writes its number once
    // it accepts connections. -noreset: it stays up between clients.
    std::system(("timeout 900 Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>" +
                 FileFor("number") + " >/dev/null 2>&1 & echo $! >" + FileFor("pid")).c_str());
    // Stopped at exit, after SDL's own shut-down (registered later, by the
    // game's start, so it runs first).
    std::atexit(StopServer);
    for (int i = 0; i < 200; ++i) {
        std::ifstream in(FileFor("number"));
        std::string number;
        if (std::getline(in, number) && !in.eof() && !number.empty()) {
            setenv("DISPLAY", (":" + number).c_str(), 1);
            return true;
        }
        usleep(25000);
    }
    return false;
}

} // namespace

bool PrivateDisplay::Use()
{
    static const bool started = Start();
    return started;
}
