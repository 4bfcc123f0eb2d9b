#define GLFW_EXPOSE_NATIVE_X11
#include <GLFW/glfw3.h>
#include <GLFW/glfw3native.h>
#include <X11/Xlib.h>
#include <X11/extensions/dpms.h>

#include "platform/display_power.h"

namespace ondalith::platform {

const double kLitDisplayAskSeconds = 1.0;  // each question is a round trip to the server

namespace {
Display* display = nullptr;  // the windowing library's connection, once following
}  // namespace

// The X server turns the display off by its own power timers (DPMS), which no window
// holds off; nothing to undo here.
void letDisplaySleep(GLFWwindow*) {}

// A server without the DPMS extension (nested and virtual servers, some remote ones)
// never powers a display down: its display stays lit.
void followDisplayPower(GLFWwindow*) {
    Display* library = glfwGetX11Display();
    int event = 0;
    int error = 0;
    if (library && DPMSQueryExtension(library, &event, &error) && DPMSCapable(library)) display = library;
}

// Standby and suspend are dark too: every level but "on" shows nothing. With its timers
// switched off (xset -dpms) the server still obeys a forced level, so that is read too.
DisplayPower displayPower() {
    if (!display) return DisplayPower::Lit;
    CARD16 level = DPMSModeOn;
    BOOL enabled = False;
    if (!DPMSInfo(display, &level, &enabled)) return DisplayPower::Lit;
    return level == DPMSModeOn ? DisplayPower::Lit : DisplayPower::Dark;
}

}  // namespace ondalith::platform
