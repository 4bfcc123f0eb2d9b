#include "app/saver_app.h"

#include <glad/gl.h>
#include <GLFW/glfw3.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/attach.h"
#include "app/desk_covers.h"
#include "app/window_icon.h"
#include "platform/desk_settings.h"
#include "platform/display_power.h"
#include "platform/host_window.h"
#include "platform/message_box.h"
#include "platform/system_version.h"
#include "platform/window_focus.h"
#include "render/gl_driver.h"

namespace ondalith {

WindowMetrics windowMetrics{0, 0, 0.0f};

namespace {
constexpr const char* kTitle = "Ondalith Screensaver";
// Where the system gives no size to go by (no video mode, an unreadable host window):
// the old systems' window size. The window then cannot be opened in the host's case.
constexpr int kFallbackWidth = 1280;
constexpr int kFallbackHeight = 768;

[[noreturn]] void exitNow() { std::exit(0); }

// Whether the host's window could be read when the size was fixed: a handle that was
// a window then, and is disabled or gone by the time we attach, means the host has
// ended the preview while we started (a user moving through the list of savers).
bool hostWindowSeen = false;

// Full-screen runs whose boxes wait for the user: the desk is covered before a box, and
// the run ends once the box is dismissed. An idle desk must not stay open behind a box
// (the session locks only when the saver's process ends), and the covers, which stay,
// would hide whatever the run drew next.
bool boxEndsRun = false;
}  // namespace

void setWindowMetrics(int width, int height) {
    windowMetrics.width = width;
    windowMetrics.height = height;
    if (windowMetrics.hasArea()) windowMetrics.aspect = static_cast<float>(width) / static_cast<float>(height);
}

SaverApp::SaverApp(LaunchOptions* options) : window(nullptr), launchOptions(options) {
    if (options->mode != Preview) boxEndsRun = platform::hideDeskBehindBoxes(coverWholeDesk);
    initWindowingLibrary();
    computeWindowSize();
    openWindow();
    if (canDraw) setupGLState();
}

void SaverApp::initWindowingLibrary() {
    glfwSetErrorCallback(onLibraryError);
    if (!glfwInit()) {
        platform::showMessageBox("Failed to initialize GLFW", "Debug", platform::MessageIcon::Information);
        if (boxEndsRun) exitNow();
    }
}

void SaverApp::computeWindowSize() {
    int width = kFallbackWidth;
    int height = kFallbackHeight;
    if (launchOptions->mode == Preview) {
        hostWindowSeen = platform::hostClientSize(launchOptions->parentWindow, width, height);
    } else if (platform::systemVersion() >= 60) {
        // The monitor and its mode are asked for twice, once per dimension.
        if (const GLFWvidmode* mode = glfwGetVideoMode(glfwGetPrimaryMonitor())) width = mode->width;
        if (const GLFWvidmode* mode = glfwGetVideoMode(glfwGetPrimaryMonitor())) height = mode->height;
    }
    setWindowMetrics(width, height);
}

void SaverApp::openWindow() {
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 2);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
    glfwWindowHint(GLFW_CONTEXT_ROBUSTNESS, GLFW_LOSE_CONTEXT_ON_RESET);
    glfwWindowHint(GLFW_SAMPLES, 4);
    glfwWindowHint(GLFW_STEREO, 0);

    if (launchOptions->mode == Preview) {
        window = attachToNativeWindow(launchOptions->parentWindow, nullptr);
    } else {
        // A full-screen saver that loses the focus ends (see watchDesk) instead of being
        // minimised, where it would go on unseen and out of reach of any input.
        glfwWindowHint(GLFW_AUTO_ICONIFY, GLFW_FALSE);
        // The monitor's current colour depth and rate, so the library keeps the mode the
        // desk is in. Its defaults ask for 8 bits a channel: on a 16-bit session it would
        // try to switch the display to another mode, and report the failure in a box.
        if (const GLFWvidmode* mode = glfwGetVideoMode(glfwGetPrimaryMonitor())) {
            glfwWindowHint(GLFW_RED_BITS, mode->redBits);
            glfwWindowHint(GLFW_GREEN_BITS, mode->greenBits);
            glfwWindowHint(GLFW_BLUE_BITS, mode->blueBits);
            glfwWindowHint(GLFW_REFRESH_RATE, mode->refreshRate);
        }
        // The library turns the desk's own screen saver (on Windows the mouse trails) off
        // for a full-screen window, and back on only when it destroys the window, which most
        // ways out of a run never do. What was there before goes back at exit, whichever way.
        platform::keepDeskSettings();
        std::atexit(platform::restoreDeskSettings);
        window = glfwCreateWindow(windowMetrics.width, windowMetrics.height, kTitle, glfwGetPrimaryMonitor(), nullptr);
    }
    if (!window) {
        const bool previewEnded = launchOptions->mode == Preview && hostWindowSeen &&
                                  !platform::hostWindowEnabled(launchOptions->parentWindow);
        if (!previewEnded) platform::showMessageBox("Failed to open window", "Debug", platform::MessageIcon::Information);
        glfwTerminate();
        exitNow();
    }

    const bool hosted = launchOptions->mode == Preview;
    glfwSetWindowSizeCallback(window, onWindowSize);
    // A key or click in a host's window is the host's: it may be the settings dialog
    // the user is working in. The host ends a preview by letting go of its window.
    if (!hosted) {
        glfwSetKeyCallback(window, onKey);
        glfwSetMouseButtonCallback(window, onMouseButton);
    }
    glfwSetCursorPosCallback(window, onCursorPos);
    glfwSetScrollCallback(window, onScroll);
    glfwMakeContextCurrent(window);
    // An attached window may be the host's own: an icon set there would be a call into
    // another process that outlives ours, and no icon shows inside a host anyway.
    if (!hosted) setWindowIcon(window);
    loadGLEntryPoints();  // the saver carries on whatever the loader reports
    checkDriver();
    if (!hosted) watchDesk();
}

// Older drivers leave newer entry points null. Nothing is ever called through one: a
// full-screen run says once what is missing and ends; a host's preview shows no box,
// since the host may start it again and again, and draws nothing.
void SaverApp::checkDriver() {
    const std::string shortfall = driverShortfall(driverGLVersion(), calledEntryPoints());
    if (shortfall.empty()) {
        loadResetStatusEntry();
        return;
    }
    canDraw = false;
    if (launchOptions->mode == Preview) return;
    platform::showMessageBox(shortfall.c_str(), "Debug", platform::MessageIcon::Information);
    glfwTerminate();
    exitNow();
}

// What a full-screen saver owes the rest of the desk. Preview and hosted runs leave all
// of it to their host, which owns the focus, the display and the other monitors.
void SaverApp::watchDesk() {
    glfwSetWindowUserPointer(window, this);
    glfwSetWindowFocusCallback(window, onWindowFocus);
    // Windows gave the window the focus inside creation, before the callback was in place.
    // A program that has come to the front since reaches the saver only when it next
    // handles messages: that focus-out must count, and asking for the focus again here
    // would only take it back from the program.
    if (platform::focusGivenAtCreation()) hadFocus = glfwGetWindowAttrib(window, GLFW_FOCUSED) != 0;
    if (!hadFocus) glfwFocusWindow(window);  // an X server without a window manager gives it no focus
    platform::letDisplaySleep(window);
    covers = new DeskCovers(window);
    // The window now lies on the list's primary monitor, which may differ in size from
    // the library's idea of it: the first frame is drawn at the size it has.
    int width = 0;
    int height = 0;
    glfwGetFramebufferSize(window, &width, &height);
    setWindowMetrics(width, height);
}

void SaverApp::tendDesk() {
    if (covers && covers->tend()) exitNow();
    if (covers && covers->noMonitorLeft()) noMonitorLeft = true;
    // The focus may come without an event the callback saw. The window's state is read
    // only after events were polled: on an X server without a window manager, taking the
    // focus first reports a focus-out from the pointer's pseudo-focus, which must not
    // count as a loss.
    if (!hadFocus) hadFocus = glfwGetWindowAttrib(window, GLFW_FOCUSED) != 0;
}

void SaverApp::setupGLState() {
    glCullFace(GL_BACK);
    glFrontFace(GL_CW);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDepthRange(0.0, 1.0);
    glEnable(GL_MULTISAMPLE);
    glEnable(GL_LINE_SMOOTH);
    glEnable(GL_POLYGON_SMOOTH);
    setVSync(true);
    glfwSetInputMode(window, GLFW_CURSOR, GLFW_CURSOR_HIDDEN);
}

void SaverApp::setWindowIcon(GLFWwindow* target) {
    std::vector<unsigned char> rows(kWindowIconBytes);
    windowIconRows(rows.data());
    const GLFWimage image{kWindowIconSize, kWindowIconSize, rows.data()};
    glfwSetWindowIcon(target, 1, &image);
}

void SaverApp::setVSync(bool on) { glfwSwapInterval(on ? 1 : 0); }

void SaverApp::onWindowSize(GLFWwindow*, int width, int height) { setWindowMetrics(width, height); }
void SaverApp::onKey(GLFWwindow*, int, int, int, int) { exitNow(); }
void SaverApp::onMouseButton(GLFWwindow*, int, int, int) { exitNow(); }
void SaverApp::onCursorPos(GLFWwindow*, double, double) {}
void SaverApp::onScroll(GLFWwindow*, double, double) {}

void SaverApp::onWindowFocus(GLFWwindow* target, int focused) {
    auto* app = static_cast<SaverApp*>(glfwGetWindowUserPointer(target));
    if (focused) {
        app->hadFocus = true;
    } else if (app->hadFocus) {
        app->focusLost = true;
    }
}

void SaverApp::onLibraryError(int, const char* description) {
    platform::showMessageBox(description, "Error", platform::MessageIcon::Information);
    if (boxEndsRun) exitNow();
}

bool loadGLEntryPoints() {
    gladLoaderLoadGL();
    gladLoaderUnloadGL();  // drops only the loader's own reference to the GL library
    if (!glad_glGetIntegerv) return false;
    GLint major = 0;
    GLint minor = 0;
    glGetIntegerv(GL_MAJOR_VERSION, &major);
    glGetIntegerv(GL_MINOR_VERSION, &minor);
    return major >= 3;
}

}  // namespace ondalith
