#define GLFW_EXPOSE_NATIVE_WIN32
#include <GLFW/glfw3.h>
#include <GLFW/glfw3native.h>

#include "platform/display_power.h"

namespace ondalith::platform {

namespace {
WNDPROC libraryProc = nullptr;

// A window procedure in front of the windowing library's. While the library holds a
// monitor it keeps the display on: it sets ES_DISPLAY_REQUIRED each time it takes the
// monitor (on opening, and again when a minimised window is restored, which reaches it
// as WM_SIZE), and it answers the system's requests to blank the screen with 0. Here
// SC_MONITORPOWER reaches DefWindowProc, so the display may sleep. SC_SCREENSAVE stays
// answered with 0: DefWindowProc would start the configured saver, which would take the
// foreground and end this one.
LRESULT CALLBACK frontProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SYSCOMMAND) {
        const WPARAM command = wParam & 0xfff0;
        if (command == SC_MONITORPOWER) return DefWindowProcW(window, message, wParam, lParam);
        if (command == SC_SCREENSAVE) return 0;
    }
    const LRESULT result = CallWindowProcW(libraryProc, window, message, wParam, lParam);
    if (message == WM_SIZE) SetThreadExecutionState(ES_CONTINUOUS);
    return result;
}
}  // namespace

void letDisplaySleep(GLFWwindow* window) {
    HWND handle = glfwGetWin32Window(window);
    if (!handle) return;
    SetThreadExecutionState(ES_CONTINUOUS);
    if (libraryProc) return;  // the saver has one full-screen window
    libraryProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(frontProc)));
}

}  // namespace ondalith::platform
