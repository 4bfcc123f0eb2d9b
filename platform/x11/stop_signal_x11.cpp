#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

#include "platform/stop_signal.h"
#include "platform/x11/stop_wait_x11.h"

namespace ondalith::platform {

namespace {
volatile std::sig_atomic_t requested = 0;
// Written to by the handler, so that a wait that began just before the signal still
// wakes; nothing drains it, since the first request is the last one that matters.
int wakeRead = -1;
int wakeWrite = -1;

void onSignal(int) {
    requested = 1;
    if (wakeWrite >= 0) {
        const int saved = errno;
        const char byte = 1;
        (void)!write(wakeWrite, &byte, 1);  // full after many signals: one byte is enough
        errno = saved;
    }
}
}  // namespace

void installStopHandlers() {
    int ends[2];
    if (wakeWrite < 0 && pipe2(ends, O_CLOEXEC | O_NONBLOCK) == 0) {
        wakeRead = ends[0];
        wakeWrite = ends[1];
    }
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

void x11::waitForInputOrStop(int fd) {
    if (requested) return;
    pollfd watched[2] = {{fd, POLLIN, 0}, {wakeRead, POLLIN, 0}};
    // poll is never restarted after a handler, whatever SA_RESTART says: EINTR is a wake too.
    poll(watched, wakeRead >= 0 ? 2 : 1, -1);
}

}  // namespace ondalith::platform
