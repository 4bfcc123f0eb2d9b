#pragma once
// The policy of one kind of run around the saver's fixed start-up steps and frame: where
// the window comes from, whose the input is, what ends the run and what is left behind.
// SaverApp and the main loop keep the steps and their order; at each point where the
// two kinds differ they ask the run. There are two kinds:
//   HostedRun (app/hosted_run.h): inside another program's window ("/p", --window-id,
//     --root with XSCREENSAVER_WINDOW); the host keeps its input and ends the run.
//   DeskRun (app/desk_run.h): full screen on the primary monitor ("/s", no switch); any
//     input ends it, and it owes the rest of the desk covers, the focus rule, the
//     display's power and a covered desk behind any box.
#include <string>

#include "app/launch_options.h"

struct GLFWwindow;

namespace ondalith {

class SaverRun {
public:
    virtual ~SaverRun() = default;

    // Before the windowing library starts.
    virtual void prepare() {}
    // The drawing size to start with; left as it is where the run finds none.
    virtual void startSize(int& width, int& height) = 0;
    // The window with its GL context (hints for the context are already given), or null.
    virtual GLFWwindow* openWindow(const char* title) = 0;
    // The window could not be opened: says so where that is news to somebody.
    virtual void windowFailed() = 0;
    // The key and mouse-button callbacks, and the icon once the context is current,
    // where the window is the run's own.
    virtual void takeInput(GLFWwindow* window) = 0;
    virtual void setIcon(GLFWwindow* window) = 0;
    // The driver lacks what the scene calls (`shortfall` says what): returns where the
    // run goes on drawing nothing, or ends the process.
    virtual void driverFallsShort(const std::string& shortfall) = 0;
    // Once the context is current and checked.
    virtual void windowReady(GLFWwindow* window) = 0;

    // Before the scene set-up: true where the run is already over.
    virtual bool overBeforeSetUp() { return false; }
    // Once per loop pass, before it draws: how long to sleep instead, because the display
    // is off; 0 to draw. A host decides when its window is drawn, so by default it is 0.
    virtual double darkWait(double /*now*/) { return 0.0; }
    // Once per loop pass, after the frame or the wait and its events. False ends the run.
    virtual bool tend() = 0;
    // After the loop, before the process ends.
    virtual void finish() {}

    // A box about a failure was shown and dismissed.
    virtual void boxDismissed() const {}
};

// The one choice of kind, from the mode: a preview is hosted, every other run is the desk's.
SaverRun* chooseRun(const LaunchOptions& options);

}  // namespace ondalith
