#include <windows.h>

#define GLFW_EXPOSE_NATIVE_WIN32
#include <GLFW/glfw3.h>
#include <GLFW/glfw3native.h>

#include "platform/monitor_covers.h"

namespace ondalith::platform {

struct CoverWindow {
    HWND handle;
};

namespace {
constexpr const wchar_t* kClass = L"OndalithCover";
bool inputSeen = false;

LRESULT CALLBACK coverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_KEYDOWN: case WM_KEYUP: case WM_SYSKEYDOWN: case WM_SYSKEYUP:
        case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_RBUTTONDOWN: case WM_RBUTTONUP:
        case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_XBUTTONDOWN: case WM_XBUTTONUP:
            inputSeen = true;
            return 0;
        // A click must not take the focus from the saver's window: losing it ends the saver
        // after the frame, and the button that follows should end it at once.
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_SETCURSOR:
            SetCursor(nullptr);
            return TRUE;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

bool registerClass() {
    static const bool registered = [] {
        WNDCLASSEXW wc{sizeof(wc)};
        wc.lpfnWndProc = coverProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
        wc.lpszClassName = kClass;
        return RegisterClassExW(&wc) != 0;
    }();
    return registered;
}
BOOL CALLBACK addMonitor(HMONITOR monitor, HDC, LPRECT r, LPARAM list) {
    auto* rects = reinterpret_cast<std::vector<ScreenRect>*>(list);
    const ScreenRect rect{r->left, r->top, r->right - r->left, r->bottom - r->top};
    MONITORINFO info{sizeof(info)};
    if (GetMonitorInfoW(monitor, &info) && (info.dwFlags & MONITORINFOF_PRIMARY)) {
        rects->insert(rects->begin(), rect);
    } else {
        rects->push_back(rect);
    }
    return TRUE;
}
}  // namespace

std::vector<ScreenRect> monitorRects() {
    std::vector<ScreenRect> rects;
    EnumDisplayMonitors(nullptr, nullptr, addMonitor, reinterpret_cast<LPARAM>(&rects));
    return rects;
}

void placeFullScreenWindow(GLFWwindow* window, const ScreenRect& rect) {
    if (rect.width <= 0 || rect.height <= 0) return;
    SetWindowPos(glfwGetWin32Window(window), nullptr, rect.x, rect.y, rect.width, rect.height,
                 SWP_NOZORDER | SWP_NOOWNERZORDER | SWP_NOACTIVATE);
}

CoverWindow* openCover(const ScreenRect& rect) {
    if (!registerClass()) return nullptr;
    HWND handle = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kClass,
                                  L"Ondalith Screensaver cover", WS_POPUP, rect.x, rect.y, rect.width, rect.height,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!handle) return nullptr;
    ShowWindow(handle, SW_SHOWNOACTIVATE);
    UpdateWindow(handle);
    return new CoverWindow{handle};
}

void closeCover(CoverWindow* cover) {
    if (!cover) return;
    DestroyWindow(cover->handle);
    delete cover;
}

// The covers belong to the saver's thread, so the windowing library's event polling has
// already run their procedure; this only reads what it saw.
bool coverInputSeen() {
    const bool seen = inputSeen;
    inputSeen = false;
    return seen;
}

}  // namespace ondalith::platform
