#include <windows.h>

#include <GLFW/glfw3.h>

#include "preview/test_host.h"

namespace ondalith::test {

platform::NativeWindow createHostWindow(int width, int height) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "OndalithTestHost";
    RegisterClassA(&wc);
    RECT r{0, 0, width, height};
    AdjustWindowRect(&r, WS_OVERLAPPEDWINDOW, FALSE);
    HWND host = CreateWindowA("OndalithTestHost", "Preview host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 30,
                              r.right - r.left, r.bottom - r.top, nullptr, nullptr, wc.hInstance, nullptr);
    return reinterpret_cast<platform::NativeWindow>(host);
}

void letGoOfHostWindow(platform::NativeWindow host) { EnableWindow(reinterpret_cast<HWND>(host), FALSE); }

bool attachedTo(platform::NativeWindow host, GLFWwindow* window) {
    HWND hwnd = reinterpret_cast<HWND>(host);
    const bool property = GetPropW(hwnd, L"GLFW") == static_cast<HANDLE>(window);
    const bool subclassed = GetWindowLongPtrW(hwnd, GWLP_WNDPROC) != GetClassLongPtrW(hwnd, GCLP_WNDPROC);
    return property && subclassed;
}

}  // namespace ondalith::test
