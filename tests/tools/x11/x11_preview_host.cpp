// A stand-in for a screensaver host: makes a window, starts the saver inside it with
// "/p <id>", checks that the saver draws there, destroys the window and checks that
// the saver then ends by itself with exit code 0 within a second.
// Usage: x11_preview_host SAVER [SECONDS-TO-DRAW]
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

constexpr int kX = 40, kY = 30, kWidth = 320, kHeight = 240;
constexpr unsigned long kHostFill = 0xff00ff;  // magenta: never part of the saver's picture

int quiet(Display*, XErrorEvent*) { return 0; }

// True when the saver's drawing covers the host's area: no host magenta left at a
// grid of points, and not the black of an empty window either.
bool saverCoversHost(Display* display) {
    XImage* image = XGetImage(display, DefaultRootWindow(display), kX, kY, kWidth, kHeight, AllPlanes, ZPixmap);
    if (!image) return false;
    int good = 0, total = 0;
    for (int y = 8; y < kHeight; y += 24) {
        for (int x = 8; x < kWidth; x += 24) {
            const unsigned long p = XGetPixel(image, x, y) & 0xffffff;
            ++total;
            if (p != kHostFill && p != 0) ++good;
        }
    }
    XDestroyImage(image);
    std::printf("saver pixels in the host: %d of %d\n", good, total);
    return good == total;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 3;
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 2;
    XSetErrorHandler(quiet);
    const Window host = XCreateSimpleWindow(display, DefaultRootWindow(display), kX, kY, kWidth, kHeight, 0, 0, kHostFill);
    XMapWindow(display, host);
    XSync(display, False);

    const std::string handle = std::to_string(host);
    const pid_t saver = fork();
    if (saver == 0) {
        execl(argv[1], argv[1], "/p", handle.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    std::this_thread::sleep_for(std::chrono::seconds(seconds));

    int status = 0;
    if (waitpid(saver, &status, WNOHANG) != 0) {
        std::printf("FAIL: the saver ended before the host let it go (status %d)\n", status);
        return 1;
    }
    const bool drawn = saverCoversHost(display);

    XDestroyWindow(display, host);
    XSync(display, False);
    const auto destroyed = std::chrono::steady_clock::now();
    bool ended = false;
    while (std::chrono::steady_clock::now() - destroyed < std::chrono::seconds(1)) {
        if (waitpid(saver, &status, WNOHANG) == saver) {
            ended = true;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - destroyed).count();
    if (!ended) {
        kill(saver, SIGKILL);
        waitpid(saver, &status, 0);
        std::printf("FAIL: the saver still ran a second after its host window was destroyed\n");
        return 1;
    }
    std::printf("the saver ended %.3f s after the host window was destroyed, exit status %d\n", took,
                WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    if (!drawn) std::printf("FAIL: the saver's picture did not fill the host window\n");
    return drawn && WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
}
