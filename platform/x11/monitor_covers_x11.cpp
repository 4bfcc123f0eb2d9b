#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#include <unistd.h>

#include "platform/monitor_covers.h"
#include "platform/x11/x11_connection.h"

namespace ondalith::platform {

struct CoverWindow {
    Window handle;
};

namespace {
int openCount = 0;

// An empty cursor: the saver's own window hides the pointer, and so do its covers.
Cursor blankCursor(Display* d, Window root) {
    static Cursor cursor = [&] {
        const char nothing = 0;
        const Pixmap bitmap = XCreateBitmapFromData(d, root, &nothing, 1, 1);
        XColor black{};
        const Cursor made = XCreatePixmapCursor(d, bitmap, bitmap, &black, &black, 0, 0);
        XFreePixmap(d, bitmap);
        return made;
    }();
    return cursor;
}

// Buttons 4 to 7 are the wheel, which does not end the saver.
bool endsSaver(const XEvent& e) {
    switch (e.type) {
        case KeyPress: case KeyRelease: return true;
        case ButtonPress: case ButtonRelease: return e.xbutton.button < 4 || e.xbutton.button > 7;
        default: return false;
    }
}
}  // namespace

// RandR's monitors, as the windowing library places its full-screen window by them; a
// server without RandR 1.5 has one monitor, its whole screen.
std::vector<ScreenRect> monitorRects() {
    Display* d = x11::display();
    if (!d) return {};
    static const bool randrMonitors = [d] {
        int event = 0, error = 0, major = 0, minor = 0;
        return XRRQueryExtension(d, &event, &error) && XRRQueryVersion(d, &major, &minor) &&
               (major > 1 || (major == 1 && minor >= 5));
    }();
    if (randrMonitors) {
        int count = 0;
        XRRMonitorInfo* monitors = XRRGetMonitors(d, DefaultRootWindow(d), True, &count);
        std::vector<ScreenRect> rects;
        for (int i = 0; i < count; ++i) {
            rects.push_back(ScreenRect{monitors[i].x, monitors[i].y, monitors[i].width, monitors[i].height});
        }
        if (monitors) XRRFreeMonitors(monitors);
        return rects;
    }
    const Screen* screen = DefaultScreenOfDisplay(d);
    return {ScreenRect{0, 0, WidthOfScreen(screen), HeightOfScreen(screen)}};
}

// Override-redirect: no window manager frames, moves or focuses a cover, and it lies
// above the managed windows. The covers live on a connection of their own, since the
// windowing library's event handling drops events of windows it did not make.
CoverWindow* openCover(const ScreenRect& rect) {
    Display* d = x11::display();
    if (!d || rect.width <= 0 || rect.height <= 0) return nullptr;
    const int screen = DefaultScreen(d);
    const Window root = RootWindow(d, screen);
    XSetWindowAttributes a{};
    a.override_redirect = True;
    a.background_pixel = BlackPixel(d, screen);
    a.event_mask = KeyPressMask | KeyReleaseMask | ButtonPressMask | ButtonReleaseMask;
    a.cursor = blankCursor(d, root);
    const Window w = XCreateWindow(d, root, rect.x, rect.y, static_cast<unsigned>(rect.width),
                                   static_cast<unsigned>(rect.height), 0, CopyFromParent, InputOutput, CopyFromParent,
                                   CWOverrideRedirect | CWBackPixel | CWEventMask | CWCursor, &a);
    XStoreName(d, w, "Ondalith Screensaver cover");
    const long pid = static_cast<long>(getpid());
    XChangeProperty(d, w, XInternAtom(d, "_NET_WM_PID", False), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&pid), 1);
    XMapRaised(d, w);
    XFlush(d);
    ++openCount;
    return new CoverWindow{w};
}

void closeCover(CoverWindow* cover) {
    if (!cover) return;
    Display* d = x11::display();
    XDestroyWindow(d, cover->handle);
    XFlush(d);
    --openCount;
    delete cover;
}

bool coverInputSeen() {
    if (openCount == 0) return false;
    Display* d = x11::display();
    bool seen = false;
    while (XPending(d)) {
        XEvent e;
        XNextEvent(d, &e);
        seen = seen || endsSaver(e);
    }
    return seen;
}

}  // namespace ondalith::platform
