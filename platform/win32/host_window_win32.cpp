#include <windows.h>

#include "platform/host_window.h"

namespace ondalith::platform {

namespace {
HWND toHwnd(NativeWindow window) { return reinterpret_cast<HWND>(static_cast<UINT_PTR>(window)); }
}  // namespace

bool hostClientSize(NativeWindow window, int& width, int& height) {
    RECT r;
    if (!GetClientRect(toHwnd(window), &r)) return false;
    width = r.right - r.left;
    height = r.bottom - r.top;
    return true;
}

// IsWindowEnabled answers false for a destroyed window too.
bool hostWindowEnabled(NativeWindow window) { return IsWindowEnabled(toHwnd(window)) != FALSE; }

}  // namespace ondalith::platform
