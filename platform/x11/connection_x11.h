#pragma once
// A connection of our own for questions about other programs' windows, with an error
// handler that turns a vanished window into an answer instead of a fatal X error.
#include <X11/Xlib.h>

namespace ondalith::platform::x11 {

Display* display();  // opened on first use; null without an X server

// Installs the process-wide handler that keeps X errors from ending the process.
// Errors on our own windows happen when a host destroys the window we draw into.
void installQuietErrorHandler();

}  // namespace ondalith::platform::x11
