#include <csignal>

#include "platform/stop_signal.h"

namespace ondalith::platform {

namespace {
volatile std::sig_atomic_t requested = 0;
void onSignal(int) { requested = 1; }
}  // namespace

void installStopHandlers() {
    struct sigaction action {};
    action.sa_handler = onSignal;
    // A library call that the signal interrupts (the X connection's reads, the GL
    // driver's) carries on as if nothing happened; the loop sees the request later.
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

bool stopRequested() { return requested != 0; }

}  // namespace ondalith::platform
