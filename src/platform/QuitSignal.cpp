#include "platform/QuitSignal.h"

#include <csignal>

namespace {
volatile std::sig_atomic_t quitSignalled = 0;

extern "C" void OnQuitSignal(int)
{
    quitSignalled = 1;
}
}  // namespace

void CatchQuitSignals()
{
    struct sigaction action = {};
    action.sa_handler = OnQuitSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESETHAND | SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

bool QuitSignalled()
{
    return quitSignalled != 0;
}
