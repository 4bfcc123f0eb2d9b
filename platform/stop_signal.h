#pragma once
// A polite request from outside to stop (SIGTERM, SIGINT on Linux: how a screensaver
// daemon or a terminal ends a program). Windows has no such request for a saver.

namespace ondalith::platform {

void installStopHandlers();
bool stopRequested();

}  // namespace ondalith::platform
