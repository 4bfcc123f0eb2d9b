#pragma once
// A screensaver must let the system turn the display off: the power plan's timeout and
// the system's own requests to power the display down go on while it runs. A request to
// start the screensaver is dropped: one runs already. Once the display is off, drawing
// into it only burns power and keeps fans running, so a full-screen run follows the
// display's power state (platform/display_watch.h turns it into what the loop does).
// Runs in a host's window never ask: the host decides when they draw.

struct GLFWwindow;

namespace ondalith::platform {

// Call once the full-screen window is open, and again after any call that gives the
// window a monitor (glfwSetWindowMonitor): the windowing library then asks the system to
// keep the display on. It keeps holding afterwards, also when the library takes the
// monitor again by itself (a window restored after being minimised).
void letDisplaySleep(GLFWwindow* window);

// Whether the display is showing anything. Dimmed counts as lit: the picture still shows.
enum class DisplayPower { Lit, Dark };

// From here on the power state of the display under the full-screen window is followed,
// until the process ends. Call once the window is open, after letDisplaySleep.
void followDisplayPower(GLFWwindow* window);

// The display's state now: as the system last told it (Windows, which sends a message
// on each change), or as the server answers (X, one round trip). Lit before
// followDisplayPower and wherever the system cannot say (an X server without DPMS).
DisplayPower displayPower();

// How long a lit display may go unasked: 0 where asking costs nothing, longer where each
// question is a round trip to a server. A dark display is asked at every wake.
extern const double kLitDisplayAskSeconds;

}  // namespace ondalith::platform
