#include "stop_signal.h"

#include <signal.h>

namespace display_emulator {
namespace {

volatile sig_atomic_t stopRequested = 0;

void OnStopSignal(int) { stopRequested = 1; }

}  // namespace

void InstallStopHandlers()
{
    struct sigaction action{};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no SA_RESTART: a pending poll or sleep returns at once
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    signal(SIGPIPE, SIG_IGN);
}

bool StopRequested() { return stopRequested != 0; }

}  // namespace display_emulator
