#pragma once
// A screensaver must let the system turn the display off: the power plan's timeout and
// the system's own requests to power the display down go on while it runs. A request to
// start the screensaver is dropped: one runs already.

struct GLFWwindow;

namespace ondalith::platform {

// Call once the full-screen window is open; it keeps holding afterwards, also when the
// windowing library takes the monitor again (a window restored after being minimised).
void letDisplaySleep(GLFWwindow* window);

}  // namespace ondalith::platform
