#define GLFW_EXPOSE_NATIVE_X11
#include <GLFW/glfw3.h>
#include <GLFW/glfw3native.h>
#include <X11/Xlib.h>

#include "preview/test_host.h"

namespace ondalith::test {

namespace {
Display* connection() {
    static Display* display = XOpenDisplay(nullptr);
    return display;
}
}  // namespace

platform::NativeWindow createHostWindow(int width, int height) {
    Display* d = connection();
    if (!d) return 0;
    const Window host = XCreateSimpleWindow(d, DefaultRootWindow(d), 40, 30, width, height, 0, 0, 0xff00ff);
    XMapWindow(d, host);
    XSync(d, False);
    return static_cast<platform::NativeWindow>(host);
}

void letGoOfHostWindow(platform::NativeWindow host) {
    XDestroyWindow(connection(), host);
    XSync(connection(), False);
}

bool attachedTo(platform::NativeWindow host, GLFWwindow* window) {
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(glfwGetX11Display(), glfwGetX11Window(window), &root, &parent, &children, &count)) return false;
    if (children) XFree(children);
    return parent == host;
}

}  // namespace ondalith::test
