// A stand-in for a screensaver host: makes a window, starts the saver inside it with
// "/p <id>", checks that the saver draws there, destroys the window and checks that
// the saver then ends by itself with exit code 0.
// Usage: x11_preview_host SAVER [SECONDS-TO-DRAW]
//
// Both are waited for up to a limit, not for a fixed time. The first full picture comes
// after the scene set-up and a frame, about 1.5 s on an idle machine; the limit to draw
// (30 s by default) leaves room for a busy one. Once its host is gone the saver notices
// at the end of the frame it is drawing, about 0.35 s at this size on an idle machine:
// it must end within 10 s.
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

constexpr int kPoints = 130;  // the grid below

// How many points of a grid over the host's area show the saver's drawing: neither the
// host's magenta nor the black of an empty window.
int saverPixels(Display* display) {
    XImage* image = XGetImage(display, DefaultRootWindow(display), kX, kY, kWidth, kHeight, AllPlanes, ZPixmap);
    if (!image) return 0;
    int good = 0, total = 0;
    for (int y = 8; y < kHeight; y += 24) {
        for (int x = 8; x < kWidth; x += 24) {
            const unsigned long p = XGetPixel(image, x, y) & 0xffffff;
            ++total;
            if (p != kHostFill && p != 0) ++good;
        }
    }
    XDestroyImage(image);
    return total == kPoints ? good : 0;
}

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 30;
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
    const auto started = std::chrono::steady_clock::now();
    int status = 0, pixels = 0;
    while (true) {
        if (waitpid(saver, &status, WNOHANG) != 0) {
            std::printf("FAIL: the saver ended before the host let it go (status %d)\n", status);
            return 1;
        }
        pixels = saverPixels(display);
        if (pixels == kPoints || secondsSince(started) >= seconds) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    const bool drawn = pixels == kPoints;
    std::printf("saver pixels in the host: %d of %d, %.1f s after the start\n", pixels, kPoints, secondsSince(started));

    XDestroyWindow(display, host);
    XSync(display, False);
    const auto destroyed = std::chrono::steady_clock::now();
    bool ended = false;
    while (secondsSince(destroyed) < 10.0) {
        if (waitpid(saver, &status, WNOHANG) == saver) {
            ended = true;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    const double took = secondsSince(destroyed);
    if (!ended) {
        kill(saver, SIGKILL);
        waitpid(saver, &status, 0);
        std::printf("FAIL: the saver still ran 10 s after its host window was destroyed\n");
        return 1;
    }
    std::printf("the saver ended %.3f s after the host window was destroyed, exit status %d\n", took,
                WIFEXITED(status) ? WEXITSTATUS(status) : -1);
    if (!drawn) std::printf("FAIL: the saver's picture did not fill the host window\n");
    return drawn && WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
}
