// The full-screen saver under the system's display power: run in-process, with the
// saver's own window.
#define GLFW_EXPOSE_NATIVE_WIN32
#include <windows.h>

#include <GLFW/glfw3.h>
#include <GLFW/glfw3native.h>
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "app/launch_options.h"
#include "app/main_loop.h"
#include "app/saver_app.h"
#include "app/saver_run.h"
#include "support/exit_guard.h"

// The import slots through which the whole executable, the windowing library included,
// calls DefWindowProcW and SwapBuffers. A stand-in put there sees every call that reaches
// it. 32-bit names carry the stdcall decoration; 64-bit ones have none.
#ifdef _WIN64
extern "C" WNDPROC importedDefWindowProc asm("__imp_DefWindowProcW");
extern "C" BOOL(WINAPI* importedSwapBuffers)(HDC) asm("__imp_SwapBuffers");
#else
extern "C" WNDPROC importedDefWindowProc asm("__imp__DefWindowProcW@16");
extern "C" BOOL(WINAPI* importedSwapBuffers)(HDC) asm("__imp__SwapBuffers@4");
#endif

namespace ondalith::test {
namespace {
WNDPROC realDefWindowProc = nullptr;
std::vector<WPARAM> blankingRequests;  // the SC_ commands that reached DefWindowProcW
// What the stand-in answers: not 0, so that an answer of 0 is the saver's own.
constexpr LRESULT kDefaultAnswer = 0x5eed;

LRESULT WINAPI standInDefWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const WPARAM command = wParam & 0xfff0;
    if (message == WM_SYSCOMMAND && (command == SC_MONITORPOWER || command == SC_SCREENSAVE)) {
        blankingRequests.push_back(command);
        return kDefaultAnswer;  // on a real desk the display would go dark in the middle of the test
    }
    return realDefWindowProc(window, message, wParam, lParam);
}

template <typename Slot>
void setImport(Slot& slot, Slot proc) {
    DWORD protection = 0;
    VirtualProtect(&slot, sizeof(proc), PAGE_READWRITE, &protection);
    slot = proc;
    VirtualProtect(&slot, sizeof(proc), protection, &protection);
}

// Reads the thread's execution state; ES_CONTINUOUS alone leaves it as the saver set it.
bool displayRequired() { return (SetThreadExecutionState(ES_CONTINUOUS) & ES_DISPLAY_REQUIRED) != 0; }

// The saver's full-screen window, opened once for every test of this process.
GLFWwindow* saverWindow() {
    static LaunchOptions options{Screensaver, 0};
    if (!saverApp) saverApp = new SaverApp(&options);
    return saverApp->window;
}

BOOL(WINAPI* realSwapBuffers)(HDC) = nullptr;
int presented = 0;
BOOL WINAPI countingSwapBuffers(HDC dc) {
    ++presented;
    return realSwapBuffers(dc);
}

// What the system sends on each change of the console display's state (0 off, 1 on,
// 2 dimmed), delivered to the saver's window as the system would.
void tellDisplayState(DWORD state) {
    constexpr GUID kConsoleDisplayState = {0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};
    alignas(POWERBROADCAST_SETTING) unsigned char message[sizeof(POWERBROADCAST_SETTING) + sizeof(DWORD)] = {};
    auto* setting = reinterpret_cast<POWERBROADCAST_SETTING*>(message);
    setting->PowerSetting = kConsoleDisplayState;
    setting->DataLength = sizeof(DWORD);
    std::memcpy(setting->Data, &state, sizeof(state));
    SendMessageW(glfwGetWin32Window(saverApp->window), WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE,
                 reinterpret_cast<LPARAM>(setting));
}

// The course of the run below, driven by a timer from inside the saver's own event
// handling: frames first, then the display dimmed, off for a few seconds, on again.
struct Course {
    int step = 0;
    DWORD since = 0;
    int mark = 0;
    int whileDimmed = -1;
    int whileDark = -1;
    int afterLit = -1;
} course;

void CALLBACK onTimer(HWND, UINT, UINT_PTR, DWORD now) {
    // The run must end whatever happened; the scene's set-up comes before the first step.
    const bool late = now - course.since > (course.step == 0 ? 120000u : 30000u);
    switch (course.step) {
        case 0:  // the scene is drawing
            if (presented < 2 && !late) return;
            tellDisplayState(2);
            break;
        case 1:
            if (presented - course.mark < 2 && !late) return;
            course.whileDimmed = presented - course.mark;
            tellDisplayState(0);
            break;
        case 2:
            if (now - course.since < 3000) return;
            course.whileDark = presented - course.mark;
            tellDisplayState(1);
            break;
        case 3:
            if (presented - course.mark < 2 && !late) return;
            course.afterLit = presented - course.mark;
            glfwSetWindowShouldClose(saverApp->window, GLFW_TRUE);
            return;
    }
    ++course.step;
    course.since = now;
    course.mark = presented;
}
}  // namespace

// While the display is off the saver presents nothing; dimmed still shows the picture,
// and once the display is back on it draws again. First of the tests in this process:
// the window must not have lost the focus yet, which ends a full-screen run.
TEST(DisplayPowerTest, PresentsNothingWhileTheDisplayIsOff) {
    saverWindow();
    realSwapBuffers = importedSwapBuffers;
    setImport(importedSwapBuffers, countingSwapBuffers);
    course.since = GetTickCount();
    const UINT_PTR timer = SetTimer(nullptr, 0, 100, onTimer);
    runMainLoop();  // until the course closes the window
    KillTimer(nullptr, timer);
    setImport(importedSwapBuffers, realSwapBuffers);
    EXPECT_EQ(course.step, 3) << "the course did not get through";
    EXPECT_GE(course.whileDimmed, 2) << "frames while the display was dimmed";
    EXPECT_EQ(course.whileDark, 0) << "frames while the display was off";
    EXPECT_GE(course.afterLit, 2) << "frames once the display was on again";
}

TEST(DisplayPowerTest, FullScreenSaverLetsTheDisplayTurnOff) {
    GLFWwindow* window = saverWindow();
    EXPECT_FALSE(displayRequired()) << "once the window is open";

    // The library takes the monitor again when a minimised full-screen window comes back.
    glfwIconifyWindow(window);
    glfwPollEvents();
    glfwRestoreWindow(window);
    glfwPollEvents();
    EXPECT_FALSE(displayRequired()) << "after the window was restored";

    realDefWindowProc = importedDefWindowProc;
    setImport(importedDefWindowProc, standInDefWindowProc);
    HWND handle = glfwGetWin32Window(window);
    SendMessageW(handle, WM_SYSCOMMAND, SC_MONITORPOWER, 2);
    // The default procedure would start the configured saver over this one.
    EXPECT_EQ(SendMessageW(handle, WM_SYSCOMMAND, SC_SCREENSAVE, 0), 0);
    setImport(importedDefWindowProc, realDefWindowProc);
    EXPECT_EQ(blankingRequests, std::vector<WPARAM>{SC_MONITORPOWER});
}

// The picture's monitor goes away and the picture moves, full screen, to the primary
// monitor, of the same size: the library lets go of the window as it does when its
// monitor is unplugged, and the run puts it back. Taking the monitor again, the library
// asks the system to keep the display on; with the size unchanged no WM_SIZE follows, so
// the saver must take that back itself. (Under Wine, switching the picture's monitor off
// on the dummy X server leaves the library's monitor record in place: it never lets go.)
TEST(DisplayPowerTest, DisplayMaySleepAfterThePictureMoves) {
    GLFWwindow* window = saverWindow();
    int width = 0;
    int height = 0;
    glfwGetWindowSize(window, &width, &height);
    // Wine keeps a framed window inside the screen, which would shrink it on the way out
    // and bring a WM_SIZE on the way back; unframed it keeps the monitor's size.
    glfwSetWindowAttrib(window, GLFW_DECORATED, GLFW_FALSE);
    glfwSetWindowMonitor(window, nullptr, 0, 0, width, height, 0);
    glfwPollEvents();
    saverApp->run->tend();  // the run's look after each frame
    ASSERT_NE(glfwGetWindowMonitor(window), nullptr) << "the picture did not go back to full screen";
    EXPECT_FALSE(displayRequired()) << "after the picture moved";
}

}  // namespace ondalith::test

int main(int argc, char** argv) { return ondalith::test::runAllTestsRefusingEarlyExit(argc, argv); }
