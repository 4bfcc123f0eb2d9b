#define GLFW_EXPOSE_NATIVE_WIN32
#include <GLFW/glfw3.h>
#include <GLFW/glfw3native.h>

#include <cstdlib>
#include <cstring>

#include "platform/display_power.h"

namespace ondalith::platform {

const double kLitDisplayAskSeconds = 0.0;  // the state is a variable the messages keep

namespace {
WNDPROC libraryProc = nullptr;
DisplayPower power = DisplayPower::Lit;

// The console display's power setting: its data is one DWORD, 0 off, 1 on, 2 dimmed.
constexpr GUID kConsoleDisplayState = {0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};

// Looked up at run time: Windows before Vista has neither call, and the saver still runs
// there, drawing all the time as before.
using RegisterFn = HPOWERNOTIFY(WINAPI*)(HANDLE, LPCGUID, DWORD);
using UnregisterFn = BOOL(WINAPI*)(HPOWERNOTIFY);
HPOWERNOTIFY registration = nullptr;
UnregisterFn unregisterNotification = nullptr;

void takePowerSetting(const POWERBROADCAST_SETTING& setting) {
    if (setting.PowerSetting != kConsoleDisplayState || setting.DataLength < sizeof(DWORD)) return;
    DWORD state = 0;
    std::memcpy(&state, setting.Data, sizeof(state));
    power = state == 0 ? DisplayPower::Dark : DisplayPower::Lit;
}

// A window procedure in front of the windowing library's. While the library holds a
// monitor it keeps the display on: it sets ES_DISPLAY_REQUIRED each time it takes the
// monitor (on opening, when a minimised window is restored, which reaches it as WM_SIZE,
// and in glfwSetWindowMonitor, which the caller follows with letDisplaySleep), and it
// answers the system's requests to blank the screen with 0. Here SC_MONITORPOWER reaches
// DefWindowProc, so the display may sleep. SC_SCREENSAVE stays answered with 0:
// DefWindowProc would start the configured saver, which would take the foreground and end
// this one. The display's power changes arrive here too.
LRESULT CALLBACK frontProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_SYSCOMMAND) {
        const WPARAM command = wParam & 0xfff0;
        if (command == SC_MONITORPOWER) return DefWindowProcW(window, message, wParam, lParam);
        if (command == SC_SCREENSAVE) return 0;
    }
    if (message == WM_POWERBROADCAST && wParam == PBT_POWERSETTINGCHANGE && lParam) {
        takePowerSetting(*reinterpret_cast<const POWERBROADCAST_SETTING*>(lParam));
        return TRUE;
    }
    const LRESULT result = CallWindowProcW(libraryProc, window, message, wParam, lParam);
    if (message == WM_SIZE) SetThreadExecutionState(ES_CONTINUOUS);
    return result;
}

void stopFollowing() {
    if (registration && unregisterNotification) unregisterNotification(registration);
    registration = nullptr;
}

template <typename Fn>
Fn user32Function(const char* name) {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(user32, name))) : nullptr;
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

// The system answers a registration at once with the current state, then with each change.
void followDisplayPower(GLFWwindow* window) {
    HWND handle = glfwGetWin32Window(window);
    if (!handle || registration) return;
    const auto registerNotification = user32Function<RegisterFn>("RegisterPowerSettingNotification");
    unregisterNotification = user32Function<UnregisterFn>("UnregisterPowerSettingNotification");
    if (!registerNotification) return;
    registration = registerNotification(handle, &kConsoleDisplayState, DEVICE_NOTIFY_WINDOW_HANDLE);
    if (registration) std::atexit(stopFollowing);
}

DisplayPower displayPower() { return power; }

}  // namespace ondalith::platform
