#include "app/hosted_run.h"

#include <GLFW/glfw3.h>

#include "app/attach.h"
#include "platform/host_window.h"
#include "platform/message_box.h"

namespace ondalith {

HostedRun::HostedRun(platform::NativeWindow host) : host(host) {}

void HostedRun::startSize(int& width, int& height) { hostSeen = platform::hostClientSize(host, width, height); }

GLFWwindow* HostedRun::openWindow(const char*) {
    window = attachToNativeWindow(host, nullptr);
    return window;
}

void HostedRun::windowFailed() {
    const bool previewEnded = hostSeen && !platform::hostWindowEnabled(host);
    if (!previewEnded) platform::showMessageBox("Failed to open window", "Debug", platform::MessageIcon::Information);
}

// A host that let go of its window while we started would otherwise wait for the whole
// scene set-up and a first frame before the saver noticed.
bool HostedRun::overBeforeSetUp() { return !platform::hostWindowEnabled(host); }

// Keys and Escape in the host's window are the host's; only the host ends the run.
bool HostedRun::tend() {
    if (!platform::hostWindowEnabled(host)) return false;
    followNativeWindowSize(window);
    return true;
}

// The host's window outlives us: it gets back what the attach changed on it.
void HostedRun::finish() { detachNativeWindow(window); }

}  // namespace ondalith
