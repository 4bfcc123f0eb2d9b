#include "app/desk_run.h"

#include <GLFW/glfw3.h>

#include <cstdio>
#include <cstdlib>

#include "app/desk_covers.h"
#include "app/saver_app.h"
#include "platform/desk_settings.h"
#include "platform/display_power.h"
#include "platform/message_box.h"
#include "platform/system_version.h"
#include "platform/window_focus.h"

namespace ondalith {

// The session locks only when the saver's process ends, so a box that waits over an
// open desk would leave it to anyone passing by: the desk is covered first.
void DeskRun::prepare() { boxesEndRun = platform::hideDeskBehindBoxes(coverWholeDesk); }

// A desk without a monitor (every output off, a laptop shut with no screen attached)
// has nowhere to put the picture; nothing else waits for the saver, so it ends quietly.
// The library knows of no monitor it has not been told of while its events are handled,
// and it handles none between this check and the window's creation.
void DeskRun::endWithoutMonitor() {
    std::fputs("ondalith: no monitor to show the picture on\n", stderr);
    std::fflush(stderr);
    glfwTerminate();
    exitSaver();
}

void DeskRun::startSize(int& width, int& height) {
    if (!glfwGetPrimaryMonitor()) endWithoutMonitor();
    if (platform::systemVersion() < 60) return;
    // The monitor and its mode are asked for twice, once per dimension.
    if (GLFWmonitor* monitor = glfwGetPrimaryMonitor())
        if (const GLFWvidmode* mode = glfwGetVideoMode(monitor)) width = mode->width;
    if (GLFWmonitor* monitor = glfwGetPrimaryMonitor())
        if (const GLFWvidmode* mode = glfwGetVideoMode(monitor)) height = mode->height;
}

GLFWwindow* DeskRun::openWindow(const char* title) {
    // Without a monitor the library would open an ordinary window instead.
    GLFWmonitor* monitor = glfwGetPrimaryMonitor();
    if (!monitor) endWithoutMonitor();
    // A full-screen saver that loses the focus ends (see windowReady) instead of being
    // minimised, where it would go on unseen and out of reach of any input.
    glfwWindowHint(GLFW_AUTO_ICONIFY, GLFW_FALSE);
    // The monitor's current colour depth and rate, so the library keeps the mode the
    // desk is in. Its defaults ask for 8 bits a channel: on a 16-bit session it would
    // try to switch the display to another mode, and report the failure in a box.
    if (const GLFWvidmode* mode = glfwGetVideoMode(monitor)) {
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
    window = glfwCreateWindow(windowMetrics.width, windowMetrics.height, title, monitor, nullptr);
    // Only what is still as the window's creation set it goes back at exit.
    if (window) platform::noteDeskSettingsSet();
    return window;
}

void DeskRun::windowFailed() {
    platform::showMessageBox("Failed to open window", "Debug", platform::MessageIcon::Information);
}

void DeskRun::takeInput(GLFWwindow* target) {
    glfwSetKeyCallback(target, SaverApp::onKey);
    glfwSetMouseButtonCallback(target, SaverApp::onMouseButton);
}

void DeskRun::setIcon(GLFWwindow* target) { SaverApp::setWindowIcon(target); }

// Nothing is ever called through a missing entry point: the run says once what is
// missing and ends.
void DeskRun::driverFallsShort(const std::string& shortfall) {
    platform::showMessageBox(shortfall.c_str(), "Debug", platform::MessageIcon::Information);
    glfwTerminate();
    exitSaver();
}

void DeskRun::windowReady(GLFWwindow* target) {
    glfwSetWindowUserPointer(target, this);
    glfwSetWindowFocusCallback(target, onWindowFocus);
    // Windows gave the window the focus inside creation, before the callback was in place.
    // A program that has come to the front since reaches the saver only when it next
    // handles messages: that focus-out must count, and asking for the focus again here
    // would only take it back from the program.
    if (platform::focusGivenAtCreation()) hadFocus = glfwGetWindowAttrib(target, GLFW_FOCUSED) != 0;
    if (!hadFocus) glfwFocusWindow(target);  // an X server without a window manager gives it no focus
    platform::letDisplaySleep(target);
    platform::followDisplayPower(target);
    covers = new DeskCovers(target);
    // The window now lies on the list's primary monitor, which may differ in size from
    // the library's idea of it: the first frame is drawn at the size it has.
    int width = 0;
    int height = 0;
    glfwGetFramebufferSize(target, &width, &height);
    setWindowMetrics(width, height);
}

bool DeskRun::tend() {
    if (covers && covers->tend()) exitSaver();  // a key or mouse button on a cover
    // The focus may come without an event the callback saw. The window's state is read
    // only after events were polled: on an X server without a window manager, taking the
    // focus first reports a focus-out from the pointer's pseudo-focus, which must not
    // count as a loss.
    if (!hadFocus) hadFocus = glfwGetWindowAttrib(window, GLFW_FOCUSED) != 0;
    if (glfwGetKey(window, GLFW_KEY_ESCAPE) != GLFW_RELEASE) return false;
    if (focusLost) return false;
    return !(covers && covers->noMonitorLeft());  // nothing left to fill
}

void DeskRun::boxDismissed() const {
    if (boxesEndRun) exitSaver();
}

void DeskRun::onWindowFocus(GLFWwindow* target, int focused) {
    auto* run = static_cast<DeskRun*>(glfwGetWindowUserPointer(target));
    if (focused) {
        run->hadFocus = true;
    } else if (run->hadFocus) {
        run->focusLost = true;
    }
}

}  // namespace ondalith
