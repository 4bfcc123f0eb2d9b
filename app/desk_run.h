#pragma once
// A full-screen run on the primary monitor: the saver's own window, which any key or
// mouse button ends, and Escape, and losing the focus once it had it. It owes the rest
// of the desk black covers on the other monitors (app/desk_covers.h), lets the display
// sleep, leaves the desk's settings as it found them, and never leaves the desk open
// behind a box that waits for the user. While the display is off it draws nothing.
#include "app/saver_run.h"
#include "platform/display_watch.h"

namespace ondalith {

class DeskCovers;

class DeskRun : public SaverRun {
public:
    void prepare() override;
    void startSize(int& width, int& height) override;
    GLFWwindow* openWindow(const char* title) override;
    void windowFailed() override;
    void takeInput(GLFWwindow* window) override;
    void setIcon(GLFWwindow* window) override;
    void driverFallsShort(const std::string& shortfall) override;
    void windowReady(GLFWwindow* window) override;
    double darkWait(double now) override { return display.darkWait(now); }
    bool tend() override;
    // Where boxes go over a covered desk, the covers stay and would hide whatever the
    // run drew next, so the run ends.
    void boxDismissed() const override;

private:
    // No monitor to fill: one line on stderr, exit code 0.
    [[noreturn]] static void endWithoutMonitor();
    static void onWindowFocus(GLFWwindow* window, int focused);

    GLFWwindow* window = nullptr;
    DeskCovers* covers = nullptr;
    platform::DisplayWatch display{platform::displayPower, platform::kLitDisplayAskSeconds};
    bool boxesEndRun = false;
    bool hadFocus = false;
    bool focusLost = false;
};

}  // namespace ondalith
