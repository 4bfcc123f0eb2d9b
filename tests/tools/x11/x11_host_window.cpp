// Makes a plain window, prints its id in hexadecimal, and keeps it until killed (or
// until it reads a line on standard input, then destroys the window and waits).
// Usage: x11_host_window [WIDTHxHEIGHT]
#include <X11/Xlib.h>

#include <cstdio>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    int width = 320, height = 240;
    if (argc > 1) std::sscanf(argv[1], "%dx%d", &width, &height);
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 2;
    const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, width, height, 0, 0, 0xff00ff);
    XMapWindow(display, window);
    XSync(display, False);
    std::printf("0x%lx\n", window);
    std::fflush(stdout);
    std::string line;
    std::getline(std::cin, line);
    XDestroyWindow(display, window);
    XSync(display, False);
    std::getline(std::cin, line);
    return 0;
}
