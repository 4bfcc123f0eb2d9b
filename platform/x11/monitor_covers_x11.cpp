#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xinerama.h>
#include <X11/extensions/Xrandr.h>
#include <unistd.h>

#define GLFW_EXPOSE_NATIVE_X11
#include <GLFW/glfw3.h>
#include <GLFW/glfw3native.h>

#include "platform/monitor_covers.h"
#include "platform/x11/connection_x11.h"
#include "platform/x11/window_class_x11.h"

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

// Where the server says its monitors are. RandR's monitors where RandR drives the
// screen's CRTCs. A server without them (heads joined by Xinerama, nested servers)
// still answers RandR, but with one monitor the size of its first head; its Xinerama
// heads are the monitors there (the primary is head 0, as RandR's emulation of
// Xinerama lists it too). Otherwise the whole screen is one monitor.
enum class MonitorSource { RandR, Xinerama, WholeScreen };

MonitorSource monitorSource(Display* d) {
    int event = 0, error = 0, major = 0, minor = 0;
    if (XRRQueryExtension(d, &event, &error) && XRRQueryVersion(d, &major, &minor) &&
        (major > 1 || (major == 1 && minor >= 5))) {
        XRRScreenResources* resources = XRRGetScreenResourcesCurrent(d, DefaultRootWindow(d));
        const bool crtcs = resources && resources->ncrtc > 0;
        if (resources) XRRFreeScreenResources(resources);
        if (crtcs) return MonitorSource::RandR;
    }
    if (XineramaQueryExtension(d, &event, &error) && XineramaIsActive(d)) return MonitorSource::Xinerama;
    return MonitorSource::WholeScreen;
}

std::vector<ScreenRect> randrMonitors(Display* d) {
    int count = 0;
    XRRMonitorInfo* monitors = XRRGetMonitors(d, DefaultRootWindow(d), True, &count);
    std::vector<ScreenRect> rects;
    for (int i = 0; i < count; ++i) {
        const ScreenRect r{monitors[i].x, monitors[i].y, monitors[i].width, monitors[i].height};
        if (monitors[i].primary) {
            rects.insert(rects.begin(), r);
        } else {
            rects.push_back(r);
        }
    }
    if (monitors) XRRFreeMonitors(monitors);
    return rects;
}

std::vector<ScreenRect> xineramaHeads(Display* d) {
    int count = 0;
    XineramaScreenInfo* heads = XineramaQueryScreens(d, &count);
    std::vector<ScreenRect> rects;
    for (int i = 0; i < count; ++i) rects.push_back(ScreenRect{heads[i].x_org, heads[i].y_org, heads[i].width, heads[i].height});
    if (heads) XFree(heads);
    return rects;
}
}  // namespace

std::vector<ScreenRect> monitorRects() {
    Display* d = x11::display();
    if (!d) return {};
    static const MonitorSource source = monitorSource(d);
    if (source == MonitorSource::RandR) return randrMonitors(d);
    if (source == MonitorSource::Xinerama) {
        std::vector<ScreenRect> heads = xineramaHeads(d);
        if (!heads.empty()) return heads;
    }
    const Screen* screen = DefaultScreenOfDisplay(d);
    return {ScreenRect{0, 0, WidthOfScreen(screen), HeightOfScreen(screen)}};
}

// Without a window manager the window is override-redirect and goes where it is told;
// a window manager keeps a full-screen window on its own idea of the monitor, which
// comes from the same server.
void placeFullScreenWindow(GLFWwindow* window, const ScreenRect& rect) {
    if (rect.width <= 0 || rect.height <= 0) return;
    Display* d = glfwGetX11Display();
    XMoveResizeWindow(d, glfwGetX11Window(window), rect.x, rect.y, static_cast<unsigned>(rect.width),
                      static_cast<unsigned>(rect.height));
    XFlush(d);
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
    x11::setWindowClass(d, w);
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
