#define GLFW_EXPOSE_NATIVE_X11
#include <GLFW/glfw3.h>
#include <GLFW/glfw3native.h>
#include <X11/Xlib.h>

#include "platform/desk_settings.h"

namespace ondalith::platform {

namespace {
// The four values of the server's screen saver, as XGetScreenSaver reads them.
struct ScreenSaver {
    int timeout = 0;
    int interval = 0;
    int blanking = 0;
    int exposures = 0;
};

bool kept = false;
bool noted = false;
ScreenSaver before;
ScreenSaver set;

// The library's connection, or nullptr once the library has ended; asking then is an
// error the library would report, which must not reach the saver's error box.
Display* libraryDisplay() {
    const GLFWerrorfun previous = glfwSetErrorCallback(nullptr);
    Display* display = glfwGetX11Display();
    glfwSetErrorCallback(previous);
    return display;
}

ScreenSaver read(Display* display) {
    ScreenSaver s;
    XGetScreenSaver(display, &s.timeout, &s.interval, &s.blanking, &s.exposures);
    return s;
}
}  // namespace

void keepDeskSettings() {
    Display* display = libraryDisplay();
    if (!display) return;
    before = read(display);
    kept = true;
}

void noteDeskSettingsSet() {
    Display* display = kept ? libraryDisplay() : nullptr;
    if (!display) return;
    set = read(display);
    noted = true;
}

void restoreDeskSettings() {
    Display* display = kept ? libraryDisplay() : nullptr;
    if (!display) return;
    const ScreenSaver now = read(display);
    const ScreenSaver ours = noted ? set : now;
    const ScreenSaver leave{settingToLeave(before.timeout, ours.timeout, now.timeout),
                            settingToLeave(before.interval, ours.interval, now.interval),
                            settingToLeave(before.blanking, ours.blanking, now.blanking),
                            settingToLeave(before.exposures, ours.exposures, now.exposures)};
    XSetScreenSaver(display, leave.timeout, leave.interval, leave.blanking, leave.exposures);
    // The process ends next; a request still in Xlib's buffer would end with it.
    XSync(display, False);
}

}  // namespace ondalith::platform
