#include "platform/x11/window_class_x11.h"

#include <X11/Xutil.h>

#include "platform/window_class.h"

namespace ondalith::platform::x11 {

void setWindowClass(Display* display, Window window) {
    XClassHint hint{const_cast<char*>(kWindowInstanceName), const_cast<char*>(kWindowClassName)};
    XSetClassHint(display, window, &hint);
}

}  // namespace ondalith::platform::x11
