#pragma once
// A run inside another program's window: the screensaver host's preview, or the window
// an X screensaver daemon hands over. The window is attached to the host's, follows its
// size and leaves its keys, clicks, focus and icon alone; the run ends when the host
// disables or destroys its window, and the host's window is left as it was.
#include "app/saver_run.h"
#include "platform/native.h"

namespace ondalith {

class HostedRun : public SaverRun {
public:
    explicit HostedRun(platform::NativeWindow host);

    void startSize(int& width, int& height) override;
    GLFWwindow* openWindow(const char* title) override;
    void windowFailed() override;
    void takeInput(GLFWwindow*) override {}
    void setIcon(GLFWwindow*) override {}
    void driverFallsShort(const std::string&) override {}
    void windowReady(GLFWwindow*) override {}
    bool overBeforeSetUp() override;
    bool tend() override;
    void finish() override;

private:
    platform::NativeWindow host;
    GLFWwindow* window = nullptr;
    // Whether the host's window could be read when the size was fixed: a handle that
    // was a window then, and is disabled or gone by the time we attach, means the host
    // ended the preview while we started (a user moving through the list of savers).
    bool hostSeen = false;
};

}  // namespace ondalith
