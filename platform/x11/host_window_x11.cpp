#include <X11/Xlib.h>

#include "platform/host_window.h"
#include "platform/x11/connection_x11.h"

namespace ondalith::platform {

namespace {
// XGetWindowAttributes answers 0 for a window that is gone; the quiet error handler
// keeps the BadWindow error it also raises from ending the process.
bool attributes(NativeWindow window, XWindowAttributes& out) {
    Display* d = x11::display();
    if (!d || window == 0) return false;
    x11::installQuietErrorHandler();
    return XGetWindowAttributes(d, window, &out) != 0;
}
}  // namespace

bool hostClientSize(NativeWindow window, int& width, int& height) {
    XWindowAttributes a;
    if (!attributes(window, a)) return false;
    width = a.width;
    height = a.height;
    return true;
}

// X has no notion of a disabled window: the host ends the preview by destroying it.
bool hostWindowEnabled(NativeWindow window) {
    XWindowAttributes a;
    return attributes(window, a);
}

}  // namespace ondalith::platform
