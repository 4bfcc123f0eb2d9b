#include "app/saver_app.h"

#include <glad/gl.h>
#include <GLFW/glfw3.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/saver_run.h"
#include "app/window_icon.h"
#include "platform/message_box.h"
#include "platform/window_class.h"
#include "render/gl_driver.h"
#include "render/gl_state.h"

namespace ondalith {

WindowMetrics windowMetrics{0, 0, 0.0f};

namespace {
constexpr const char* kTitle = "Ondalith Screensaver";
// Where the system gives no size to go by (no video mode, an unreadable host window):
// the old systems' window size. The window then cannot be opened in the host's case.
constexpr int kFallbackWidth = 1280;
constexpr int kFallbackHeight = 768;

// The run whose boxes the library's error callback reports to; it exists before the
// library starts.
const SaverRun* boxRun = nullptr;
}  // namespace

void exitSaver() { std::exit(0); }

void setWindowMetrics(int width, int height) {
    windowMetrics.width = width;
    windowMetrics.height = height;
    if (windowMetrics.hasArea()) windowMetrics.aspect = static_cast<float>(width) / static_cast<float>(height);
}

SaverApp::SaverApp(LaunchOptions* options) : window(nullptr), launchOptions(options), run(chooseRun(*options)) {
    boxRun = run;
    run->prepare();
    initWindowingLibrary();
    computeWindowSize();
    openWindow();
    if (canDraw) setupGLState();
}

void SaverApp::initWindowingLibrary() {
    glfwSetErrorCallback(onLibraryError);
    if (!glfwInit()) {
        platform::showMessageBox("Failed to initialize GLFW", "Debug", platform::MessageIcon::Information);
        run->boxDismissed();
    }
}

void SaverApp::computeWindowSize() {
    int width = kFallbackWidth;
    int height = kFallbackHeight;
    run->startSize(width, height);
    setWindowMetrics(width, height);
}

void SaverApp::openWindow() {
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 2);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
    glfwWindowHint(GLFW_CONTEXT_ROBUSTNESS, GLFW_LOSE_CONTEXT_ON_RESET);
    glfwWindowHint(GLFW_SAMPLES, 4);
    glfwWindowHint(GLFW_STEREO, 0);
    // One WM_CLASS for the picture and a window inside a host, as the program's other
    // windows have it; the library reads these on X only.
    glfwWindowHintString(GLFW_X11_INSTANCE_NAME, platform::kWindowInstanceName);
    glfwWindowHintString(GLFW_X11_CLASS_NAME, platform::kWindowClassName);
    window = run->openWindow(kTitle);
    if (!window) {
        run->windowFailed();
        glfwTerminate();
        exitSaver();
    }

    glfwSetWindowSizeCallback(window, onWindowSize);
    // Keys, clicks and the icon only where the window is the run's own: in a host's
    // window they are the host's (it may be the settings dialog the user is working in),
    // and an icon set there would be a call into another process that outlives ours.
    run->takeInput(window);
    glfwSetCursorPosCallback(window, onCursorPos);
    glfwSetScrollCallback(window, onScroll);
    glfwMakeContextCurrent(window);
    run->setIcon(window);
    loadGLEntryPoints();  // the saver carries on whatever the loader reports
    checkDriver();
    run->windowReady(window);
}

// Older drivers leave newer entry points null, and nothing is ever called through one.
void SaverApp::checkDriver() {
    const std::string shortfall = driverShortfall(driverGLVersion(), calledEntryPoints());
    if (shortfall.empty()) {
        loadResetStatusEntry();
        return;
    }
    canDraw = false;
    run->driverFallsShort(shortfall);
}

void SaverApp::setupGLState() {
    setFixedGLState();
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
void SaverApp::onKey(GLFWwindow*, int, int, int, int) { exitSaver(); }
void SaverApp::onMouseButton(GLFWwindow*, int, int, int) { exitSaver(); }
void SaverApp::onCursorPos(GLFWwindow*, double, double) {}
void SaverApp::onScroll(GLFWwindow*, double, double) {}

void SaverApp::onLibraryError(int, const char* description) {
    platform::showMessageBox(description, "Error", platform::MessageIcon::Information);
    if (boxRun) boxRun->boxDismissed();
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
