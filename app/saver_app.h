#pragma once
// The saver application: the windowing library, the window (full screen, or inside
// the host's preview window), its GL context and the fixed GL state.
#include <cstdint>

#include "app/launch_options.h"

struct GLFWwindow;

namespace ondalith {

class SaverRun;

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
    // Runs the start-up steps with the kind of run the options ask for (chooseRun).
    explicit SaverApp(LaunchOptions* options);

    GLFWwindow* window;
    LaunchOptions* launchOptions;
    // Where the hosted and the full-screen runs differ, the run decides (app/saver_run.h).
    SaverRun* run;
    // False where the driver lacks what the scene calls: a hosted run then draws nothing
    // and waits for its host to go (full-screen runs end at start-up instead).
    bool canDraw = true;

    static void setWindowIcon(GLFWwindow* window);
    static void setVSync(bool on);

    static void onWindowSize(GLFWwindow* window, int width, int height);
    static void onKey(GLFWwindow* window, int key, int scancode, int action, int mods);
    static void onMouseButton(GLFWwindow* window, int button, int action, int mods);
    static void onCursorPos(GLFWwindow* window, double x, double y);
    static void onScroll(GLFWwindow* window, double x, double y);
    static void onLibraryError(int code, const char* description);

private:
    void initWindowingLibrary();
    void computeWindowSize();
    void openWindow();
    void checkDriver();
    void setupGLState();
};

extern SaverApp* saverApp;  // set by the entry once constructed

// Loads the GL entry points, then reads the context's version. False when
// glGetIntegerv is missing or the major version is below 3; the saver goes on anyway.
bool loadGLEntryPoints();

// Sets the size; the aspect only from a size with an area, so that it keeps the last
// good ratio instead of a 0 / 0.
void setWindowMetrics(int width, int height);

// Every way out of the saver ends the process with exit code 0.
[[noreturn]] void exitSaver();

}  // namespace ondalith
