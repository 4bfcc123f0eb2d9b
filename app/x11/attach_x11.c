// attachToNativeWindow for X11. A GLFW window is created hidden and undecorated, then
// reparented into the host window and kept at its size. It keeps its own visual, so it
// is multisampled even inside a host whose visual is not (a screensaver daemon's).
#define GLFW_EXPOSE_NATIVE_X11
#include <GLFW/glfw3.h>
#include <GLFW/glfw3native.h>
#include <X11/Xlib.h>

#include "app/attach.h"

#define MAX_ATTACHED 4
typedef struct Attached {
    GLFWwindow* window;
    Window host;
    int width, height;  // the host's size as last seen
} Attached;
static Attached attached[MAX_ATTACHED];

// Input that must reach the host: a window that selects none of it lets the server
// pass each key and button on to the host window above it.
static const long hostInput = KeyPressMask | KeyReleaseMask | ButtonPressMask | ButtonReleaseMask |
                              PointerMotionMask | PointerMotionHintMask | ButtonMotionMask | Button1MotionMask |
                              Button2MotionMask | Button3MotionMask | Button4MotionMask | Button5MotionMask |
                              EnterWindowMask | LeaveWindowMask | KeymapStateMask;

// The host may destroy its window (and ours inside it) between two of our calls.
// Xlib's default handler would then print the error and exit with status 1.
static int ignoreXError(Display* display, XErrorEvent* event) {
    (void) display;
    (void) event;
    return 0;
}

static Attached* findAttached(GLFWwindow* window) {
    for (int i = 0; i < MAX_ATTACHED; ++i)
        if (attached[i].window == window) return &attached[i];
    return NULL;
}

// Whether our window sits inside the host now. A reparent into a host that has gone, is
// InputOnly or lives on another screen fails with an error that the quiet handler
// swallows; the window then still hangs from the root, where mapping it would put it
// on the desktop.
static int insideHost(Display* display, Window own, Window host) {
    Window root = 0, parent = 0, *children = NULL;
    unsigned count = 0;
    if (!XQueryTree(display, own, &root, &parent, &children, &count)) return 0;
    if (children) XFree(children);
    return parent == host;
}

GLFWwindow* attachToNativeWindow(uintptr_t nativeWindow, GLFWwindow* share) {
    Display* display = glfwGetX11Display();  // reports GLFW_NOT_INITIALIZED itself
    if (!display) return NULL;
    XSetErrorHandler(ignoreXError);  // GLFW restores this one after its own traps

    Attached* slot = findAttached(NULL);
    XWindowAttributes host;
    if (!slot || nativeWindow == 0 || !XGetWindowAttributes(display, (Window) nativeWindow, &host)) return NULL;

    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    glfwWindowHint(GLFW_DECORATED, GLFW_FALSE);
    glfwWindowHint(GLFW_FOCUS_ON_SHOW, GLFW_FALSE);
    GLFWwindow* window = glfwCreateWindow(host.width > 0 ? host.width : 1, host.height > 0 ? host.height : 1, "",
                                          NULL, share);
    glfwWindowHint(GLFW_VISIBLE, GLFW_TRUE);
    glfwWindowHint(GLFW_DECORATED, GLFW_TRUE);
    glfwWindowHint(GLFW_FOCUS_ON_SHOW, GLFW_TRUE);
    if (!window) return NULL;

    Window own = glfwGetX11Window(window);
    XWindowAttributes ours;
    if (XGetWindowAttributes(display, own, &ours)) XSelectInput(display, own, ours.your_event_mask & ~hostInput);
    XReparentWindow(display, own, (Window) nativeWindow, 0, 0);
    XSync(display, False);
    if (!insideHost(display, own, (Window) nativeWindow)) {
        glfwDestroyWindow(window);
        return NULL;
    }
    XMapWindow(display, own);
    XSync(display, False);

    slot->window = window;
    slot->host = (Window) nativeWindow;
    slot->width = host.width;
    slot->height = host.height;
    return window;
}

void followNativeWindowSize(GLFWwindow* window) {
    Attached* a = findAttached(window);
    XWindowAttributes host;
    if (!a || !XGetWindowAttributes(glfwGetX11Display(), a->host, &host)) return;
    if (host.width == a->width && host.height == a->height) return;
    a->width = host.width;
    a->height = host.height;
    // The size callback follows from our window's own ConfigureNotify.
    if (host.width > 0 && host.height > 0) glfwSetWindowSize(window, host.width, host.height);
}

void detachNativeWindow(GLFWwindow* window) {
    Attached* a = findAttached(window);
    if (!a) return;
    glfwDestroyWindow(window);  // only our window inside the host goes
    a->window = NULL;
}
