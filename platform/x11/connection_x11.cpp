#include "platform/x11/connection_x11.h"

namespace ondalith::platform::x11 {

namespace {
int ignoreError(Display*, XErrorEvent*) { return 0; }
}  // namespace

Display* display() {
    static Display* connection = XOpenDisplay(nullptr);
    return connection;
}

void installQuietErrorHandler() { XSetErrorHandler(ignoreError); }

}  // namespace ondalith::platform::x11
