#define GLFW_EXPOSE_NATIVE_X11
#include <GLFW/glfw3.h>
#include <GLFW/glfw3native.h>
#include <X11/Xlib.h>

#include "platform/desk_settings.h"

namespace ondalith::platform {

namespace {
bool kept = false;
int timeout = 0;
int interval = 0;
int blanking = 0;
int exposures = 0;

// The library's connection, or nullptr once the library has ended; asking then is an
// error the library would report, which must not reach the saver's error box.
Display* libraryDisplay() {
    const GLFWerrorfun previous = glfwSetErrorCallback(nullptr);
    Display* display = glfwGetX11Display();
    glfwSetErrorCallback(previous);
    return display;
}
}  // namespace

void keepDeskSettings() {
    Display* display = libraryDisplay();
    if (!display) return;
    XGetScreenSaver(display, &timeout, &interval, &blanking, &exposures);
    kept = true;
}

void restoreDeskSettings() {
    Display* display = kept ? libraryDisplay() : nullptr;
    if (!display) return;
    XSetScreenSaver(display, timeout, interval, blanking, exposures);
    // The process ends next; a request still in Xlib's buffer would end with it.
    XSync(display, False);
}

}  // namespace ondalith::platform
