// Xlib's own answer to a broken connection prints a line and calls exit(1), and exit
// then runs atexit handlers and static destructors that may touch the dead connection
// again. We end with _exit(0) instead.
//
// The server can also go while the GL driver waits for a reply that it reads past Xlib:
// Mesa's GLX set-up then reads through the missing reply and crashes. A crash while the
// windowing library's connection is broken is the server going too, and ends the same
// way; any other crash keeps its default action and its core file.
#define GLFW_EXPOSE_NATIVE_X11
#include <GLFW/glfw3.h>
#include <GLFW/glfw3native.h>
#include <X11/Xlib-xcb.h>
#include <X11/Xlib.h>
#include <unistd.h>

#include <csignal>
#include <initializer_list>

#include "platform/display_loss.h"

namespace ondalith::platform {

namespace {

int onBrokenConnection(Display*) { _exit(0); }

void onCrash(int signal) {
    // Before initialisation GLFW answers with an error report, which must not reach
    // the saver's error box from in here.
    glfwSetErrorCallback(nullptr);
    Display* display = glfwGetX11Display();
    if (display && xcb_connection_has_error(XGetXCBConnection(display))) _exit(0);
    raise(signal);  // the default action is back (SA_RESETHAND), and not blocked (SA_NODEFER)
}

void onBrokenPipe(int) {}

}  // namespace

void endProcessWhenDisplayGoes() {
    XSetIOErrorHandler(onBrokenConnection);

    struct sigaction crash {};
    crash.sa_handler = onCrash;
    crash.sa_flags = SA_RESETHAND | SA_NODEFER;
    sigemptyset(&crash.sa_mask);
    for (const int signal : {SIGSEGV, SIGBUS, SIGABRT}) sigaction(signal, &crash, nullptr);

    // A write to a dead server then fails with EPIPE, which the X library takes for a
    // broken connection, instead of killing the process. A caught signal goes back to
    // its default across exec, so programs we start are not affected.
    struct sigaction pipe {};
    pipe.sa_handler = onBrokenPipe;
    pipe.sa_flags = SA_RESTART;
    sigemptyset(&pipe.sa_mask);
    sigaction(SIGPIPE, &pipe, nullptr);
}

}  // namespace ondalith::platform
