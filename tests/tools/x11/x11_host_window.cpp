// Makes a plain window, prints its id in hexadecimal, and keeps it until killed (or
// until it reads a line on standard input, then destroys the window and waits).
// With "input" it also prints "key" or "button" for each key or button pressed in
// the window, the window that a saver inside it must leave that input to.
// Usage: x11_host_window [WIDTHxHEIGHT] [input]
#include <X11/Xlib.h>
#include <poll.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

namespace {

// Reports the window's input until a line (or the end) comes on standard input.
void reportInputUntilLine(Display* display) {
    pollfd fds[2] = {{STDIN_FILENO, POLLIN, 0}, {ConnectionNumber(display), POLLIN, 0}};
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == KeyPress) std::printf("key\n");
            if (event.type == ButtonPress) std::printf("button\n");
            std::fflush(stdout);
        }
        if (poll(fds, 2, -1) < 0) return;
        if (fds[0].revents) return;
    }
}

}  // namespace

int main(int argc, char** argv) {
    int width = 320, height = 240;
    if (argc > 1) std::sscanf(argv[1], "%dx%d", &width, &height);
    const bool input = argc > 2 && std::strcmp(argv[2], "input") == 0;
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 2;
    const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, width, height, 0, 0, 0xff00ff);
    if (input) XSelectInput(display, window, KeyPressMask | ButtonPressMask);
    XMapWindow(display, window);
    XSync(display, False);
    std::printf("0x%lx\n", window);
    std::fflush(stdout);
    std::string line;
    if (input) {
        reportInputUntilLine(display);
    }
    std::getline(std::cin, line);
    XDestroyWindow(display, window);
    XSync(display, False);
    std::getline(std::cin, line);
    return 0;
}
