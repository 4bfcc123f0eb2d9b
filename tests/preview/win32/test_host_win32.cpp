#include <windows.h>

#include <GLFW/glfw3.h>

#include "preview/test_host.h"

namespace ondalith::test {

std::uint32_t createHostWindow(int width, int height) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "OndalithTestHost";
    RegisterClassA(&wc);
    RECT r{0, 0, width, height};
    AdjustWindowRect(&r, WS_OVERLAPPEDWINDOW, FALSE);
    HWND host = CreateWindowA("OndalithTestHost", "Preview host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 30,
                              r.right - r.left, r.bottom - r.top, nullptr, nullptr, wc.hInstance, nullptr);
    return static_cast<std::uint32_t>(reinterpret_cast<UINT_PTR>(host));
}

void letGoOfHostWindow(std::uint32_t host) { EnableWindow(reinterpret_cast<HWND>(static_cast<UINT_PTR>(host)), FALSE); }

bool attachedTo(std::uint32_t host, GLFWwindow* window) {
    HWND hwnd = reinterpret_cast<HWND>(static_cast<UINT_PTR>(host));
    const bool property = GetPropW(hwnd, L"GLFW") == static_cast<HANDLE>(window);
    const bool subclassed = GetWindowLongPtrW(hwnd, GWLP_WNDPROC) != GetClassLongPtrW(hwnd, GCLP_WNDPROC);
    return property && subclassed;
}

}  // namespace ondalith::test
