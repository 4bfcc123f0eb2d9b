#pragma once
// For loops that sleep on a connection rather than run frames (the About window's): a
// stop request has to wake them, also one that arrives just before they go to sleep.

namespace ondalith::platform::x11 {

// Returns when `fd` has input to read, a stop has been requested, or a signal
// interrupted the wait; the caller looks at stopRequested() and its input again.
void waitForInputOrStop(int fd);

}  // namespace ondalith::platform::x11
