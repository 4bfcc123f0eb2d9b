#pragma once
// The saver application: the windowing library, the window (full screen, or inside
// the host's preview window), its GL context and the fixed GL state.
#include <cstdint>

#include "app/launch_options.h"

struct GLFWwindow;

namespace ondalith {

class DeskCovers;

// The drawing area's size; written together, by the start-up size and the size callback.
struct WindowMetrics {
    std::int32_t width;
    std::int32_t height;
    float aspect;

    // Nothing is drawn into a window without one (minimised, or a host of 0 x 0).
    bool hasArea() const { return width > 0 && height > 0; }
};
extern WindowMetrics windowMetrics;

class SaverApp {
public:
    explicit SaverApp(LaunchOptions* options);

    GLFWwindow* window;
    LaunchOptions* launchOptions;
    // Full-screen modes only: the other monitors' covers, and the focus, which ends the
    // saver once the window has had it and lost it to another program.
    DeskCovers* covers = nullptr;
    bool hadFocus = false;
    bool focusLost = false;
    // No monitor is left to show the picture on: the saver ends as Escape ends it.
    bool noMonitorLeft = false;
    // False where the driver lacks what the scene calls: a preview then draws nothing and
    // waits for its host to go (full-screen runs end at start-up instead).
    bool canDraw = true;

    // Once per frame in full-screen modes, after event polling: a key or mouse button on a
    // cover ends the process as one on the window does; the picture and the covers follow
    // the monitors.
    void tendDesk();

    static void setWindowIcon(GLFWwindow* window);
    static void setVSync(bool on);

    static void onWindowSize(GLFWwindow* window, int width, int height);
    static void onKey(GLFWwindow* window, int key, int scancode, int action, int mods);
    static void onMouseButton(GLFWwindow* window, int button, int action, int mods);
    static void onCursorPos(GLFWwindow* window, double x, double y);
    static void onScroll(GLFWwindow* window, double x, double y);
    static void onWindowFocus(GLFWwindow* window, int focused);
    static void onLibraryError(int code, const char* description);

private:
    void initWindowingLibrary();
    void computeWindowSize();
    void openWindow();
    void checkDriver();
    void watchDesk();
    void setupGLState();
};

extern SaverApp* saverApp;  // set by the entry once constructed

// Loads the GL entry points, then reads the context's version. False when
// glGetIntegerv is missing or the major version is below 3; the saver goes on anyway.
bool loadGLEntryPoints();

// Sets the size; the aspect only from a size with an area, so that it keeps the last
// good ratio instead of a 0 / 0.
void setWindowMetrics(int width, int height);

}  // namespace ondalith
