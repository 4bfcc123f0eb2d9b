// Runs the About window where neither its class nor its window can be made: the class
// name is taken first by a class whose windows refuse to be created. The About window
// must report both failures and return instead of waiting for messages that never come.
#include <windows.h>

#include "about/about_window.h"

namespace {

LRESULT CALLBACK refuse(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) return FALSE;
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int main() {
    WNDCLASSA taken{};
    taken.lpfnWndProc = refuse;
    taken.hInstance = GetModuleHandleA(nullptr);
    taken.lpszClassName = "KestrovaWindowClass";
    if (!RegisterClassA(&taken)) return 2;
    new ondalith::AboutWindow(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
    return 0;
}
