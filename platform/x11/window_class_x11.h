#pragma once
// Puts the program's WM_CLASS (platform/window_class.h) on a window of our own making;
// the windowing library's windows get it through its window hints.
#include <X11/Xlib.h>

namespace ondalith::platform::x11 {

void setWindowClass(Display* display, Window window);

}  // namespace ondalith::platform::x11
