// Another program coming to the front: opens a window titled "Foreground taker", makes it
// the foreground window and keeps it, with its messages handled, for SECONDS (default 30).
// With AFTER, it first waits until the window titled AFTER is the foreground window, then
// comes to the front at once and prints "took" (a program popping up while that one starts).
// Usage: take_foreground [SECONDS [AFTER]]
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const DWORD seconds = argc > 1 ? static_cast<DWORD>(std::atoi(argv[1])) : 30;
    if (argc > 2) {
        std::printf("waiting\n");
        std::fflush(stdout);
        for (;;) {
            HWND other = FindWindowA(nullptr, argv[2]);
            if (other && GetForegroundWindow() == other) break;
            Sleep(2);
        }
    }
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = L"OndalithForegroundTaker";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(0, wc.lpszClassName, L"Foreground taker", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                                  320, 200, nullptr, nullptr, wc.hInstance, nullptr);
    if (!window) return 2;
    SetForegroundWindow(window);
    if (argc > 2) {
        std::printf("took\n");
        std::fflush(stdout);
    }
    const DWORD end = GetTickCount() + seconds * 1000;
    while (GetTickCount() < end) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
    }
    return 0;
}
