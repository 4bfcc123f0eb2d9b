// The full-screen saver under the system's display power: run in-process, with the
// saver's own window.
#define GLFW_EXPOSE_NATIVE_WIN32
#include <windows.h>

#include <GLFW/glfw3.h>
#include <GLFW/glfw3native.h>
#include <gtest/gtest.h>

#include <vector>

#include "app/launch_options.h"
#include "app/saver_app.h"
#include "support/exit_guard.h"

// The import slot through which the whole executable, the windowing library included,
// calls DefWindowProcW. A stand-in put there sees every call that reaches it. 32-bit
// names carry the stdcall decoration; 64-bit ones have none.
#ifdef _WIN64
extern "C" WNDPROC importedDefWindowProc asm("__imp_DefWindowProcW");
#else
extern "C" WNDPROC importedDefWindowProc asm("__imp__DefWindowProcW@16");
#endif

namespace ondalith::test {
namespace {
WNDPROC realDefWindowProc = nullptr;
std::vector<WPARAM> blankingRequests;  // the SC_ commands that reached DefWindowProcW

LRESULT WINAPI standInDefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const WPARAM command = wParam & 0xfff0;
    if (message == WM_SYSCOMMAND && (command == SC_MONITORPOWER || command == SC_SCREENSAVE)) {
        blankingRequests.push_back(command);
        return 0;  // on a real desk the display would go dark in the middle of the test
    }
    return realDefWindowProc(window, message, wParam, lParam);
}

void setImport(WNDPROC proc) {
    DWORD protection = 0;
    VirtualProtect(&importedDefWindowProc, sizeof(proc), PAGE_READWRITE, &protection);
    importedDefWindowProc = proc;
    VirtualProtect(&importedDefWindowProc, sizeof(proc), protection, &protection);
}

// Reads the thread's execution state; ES_CONTINUOUS alone leaves it as the saver set it.
bool displayRequired() { return (SetThreadExecutionState(ES_CONTINUOUS) & ES_DISPLAY_REQUIRED) != 0; }
}  // namespace

TEST(DisplayPowerTest, FullScreenSaverLetsTheDisplayTurnOff) {
    static LaunchOptions options{Screensaver, 0};
    saverApp = new SaverApp(&options);
    GLFWwindow* window = saverApp->window;
    EXPECT_FALSE(displayRequired()) << "once the window is open";

    // The library takes the monitor again when a minimised full-screen window comes back.
    glfwIconifyWindow(window);
    glfwPollEvents();
    glfwRestoreWindow(window);
    glfwPollEvents();
    EXPECT_FALSE(displayRequired()) << "after the window was restored";

    realDefWindowProc = importedDefWindowProc;
    setImport(standInDefWindowProc);
    HWND handle = glfwGetWin32Window(window);
    SendMessageW(handle, WM_SYSCOMMAND, SC_MONITORPOWER, 2);
    // The default procedure would start the configured saver over this one.
    EXPECT_EQ(SendMessageW(handle, WM_SYSCOMMAND, SC_SCREENSAVE, 0), 0);
    setImport(realDefWindowProc);
    EXPECT_EQ(blankingRequests, std::vector<WPARAM>{SC_MONITORPOWER});
}

}  // namespace ondalith::test

int main(int argc, char** argv) { return ondalith::test::runAllTestsRefusingEarlyExit(argc, argv); }
