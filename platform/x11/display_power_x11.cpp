#include "platform/display_power.h"

namespace ondalith::platform {

// The X server turns the display off by its own power timers (DPMS), which no window
// holds off; nothing to undo here.
void letDisplaySleep(GLFWwindow*) {}

}  // namespace ondalith::platform
