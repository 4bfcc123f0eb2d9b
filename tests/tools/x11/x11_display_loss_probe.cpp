// What a crash does once the X server has gone: the GL driver can ask the server past
// Xlib, get no reply because the server died, and read through the missing reply. That
// race is rare; this probe makes it exact. It connects as the saver does, says "ready",
// and after a line on standard input asks the server a question past Xlib, then
// crashes. With the server killed in between it must end with 0; with the server alive
// the crash must keep its signal.
#define GLFW_EXPOSE_NATIVE_X11
#include <GLFW/glfw3.h>
#include <GLFW/glfw3native.h>
#include <X11/Xlib-xcb.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

#include "platform/display_loss.h"

int main() {
    ondalith::platform::endProcessWhenDisplayGoes();
    if (!glfwInit()) return 2;
    std::puts("ready");
    std::fflush(stdout);
    std::string line;
    std::getline(std::cin, line);

    xcb_connection_t* connection = XGetXCBConnection(glfwGetX11Display());
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    std::printf("connection broken: %s\n", xcb_connection_has_error(connection) ? "yes" : "no");
    std::fflush(stdout);
    std::raise(SIGSEGV);
    return 3;
}
