#pragma once
// A host window of the test's own, standing in for the screensaver host's preview window.
#include "platform/native.h"

struct GLFWwindow;

namespace ondalith::test {

platform::NativeWindow createHostWindow(int width, int height);
// What a host does to end the preview: disable the window (Windows) or destroy it (X).
void letGoOfHostWindow(platform::NativeWindow host);
// The saver's window is bound to the host: Windows checks the "GLFW" property and that
// the host's message procedure was replaced; X checks that the saver's window sits
// inside the host.
bool attachedTo(platform::NativeWindow host, GLFWwindow* window);

}  // namespace ondalith::test
