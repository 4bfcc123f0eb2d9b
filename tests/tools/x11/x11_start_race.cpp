// Hosts that go away, or never could hold a window, while a saver starts in them.
// For each delay it makes a host window, starts "SAVER --window-id <host>", destroys
// the host after that many milliseconds and waits for the saver to end. With
// "inputonly" the host is an InputOnly window that stays. Every saver must end with
// exit code 0 and never map a window of its own on the root (the desktop): the root's
// SubstructureNotify reports every such map, however short-lived.
// Usage: x11_start_race SAVER (DELAY-MS | inputonly)...
#include <X11/Xlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

int quiet(Display*, XErrorEvent*) { return 0; }

Window makeHost(Display* display, bool inputOnly) {
    XSetWindowAttributes none{};
    const Window host = inputOnly ? XCreateWindow(display, DefaultRootWindow(display), 40, 30, 320, 240, 0, 0,
                                                  InputOnly, CopyFromParent, 0, &none)
                                  : XCreateSimpleWindow(display, DefaultRootWindow(display), 40, 30, 320, 240, 0, 0,
                                                        0xff00ff);
    XMapWindow(display, host);
    XSync(display, False);
    return host;
}

// Windows other than the host that were mapped on the root since the last call.
int rootMapsBesides(Display* display, Window host) {
    XSync(display, False);
    int maps = 0;
    while (XPending(display)) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && event.xmap.event == DefaultRootWindow(display) && event.xmap.window != host) {
            std::printf("  a window 0x%lx was mapped on the root\n", event.xmap.window);
            ++maps;
        }
    }
    return maps;
}

// The saver's exit status, or -1 when it still runs after the time given (then killed).
int waitForExit(pid_t saver, std::chrono::seconds limit) {
    const auto start = std::chrono::steady_clock::now();
    int status = 0;
    while (std::chrono::steady_clock::now() - start < limit) {
        if (waitpid(saver, &status, WNOHANG) == saver) return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(saver, SIGKILL);
    waitpid(saver, &status, 0);
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 2;
    XSetErrorHandler(quiet);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    int failures = 0;
    for (int i = 2; i < argc; ++i) {
        const std::string what = argv[i];
        const bool inputOnly = what == "inputonly";
        const Window host = makeHost(display, inputOnly);
        rootMapsBesides(display, host);  // the host's own map
        char id[32];
        std::snprintf(id, sizeof id, "0x%lx", host);
        const pid_t saver = fork();
        if (saver == 0) {
            if (!std::freopen("/dev/null", "w", stdout)) _exit(126);  // the model reader's progress lines
            execlp("timeout", "timeout", "30", argv[1], "--window-id", id, static_cast<char*>(nullptr));
            _exit(127);
        }
        if (!inputOnly) {
            std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(what.c_str())));
            XDestroyWindow(display, host);
            XSync(display, False);
        }
        const int status = waitForExit(saver, std::chrono::seconds(20));
        const int maps = rootMapsBesides(display, host);
        if (inputOnly) XDestroyWindow(display, host);
        const bool good = status == 0 && maps == 0;
        std::printf("%s %s: %s, %d window(s) of its own on the root\n", good ? "ok:" : "FAIL:",
                    inputOnly ? "an InputOnly host" : ("host destroyed after " + what + " ms").c_str(),
                    status < 0 ? "the saver still ran after 20 s" : ("exit " + std::to_string(status)).c_str(), maps);
        std::fflush(stdout);
        if (!good) ++failures;
    }
    return failures == 0 ? 0 : 1;
}
