#pragma once
// The display server can go away under a running program: the session ends, or the
// server is killed. Then nothing is left to draw on or to ask, and the process ends at
// once and quietly, with exit code 0 like every other way out.

namespace ondalith::platform {

// Process-wide; called once at start, before the first connection to the display.
void endProcessWhenDisplayGoes();

}  // namespace ondalith::platform
