// A stand-in for the Windows screensaver host: makes a window, starts the saver with
// "/p <hwnd>", lets it run, then disables the window as the host does when the preview
// ends, and checks that the saver then ends by itself with exit code 0. It ends after the
// frame in hand, and on a loaded machine a first frame under Wine can take seconds: the
// bound is generous, what counts is that it ends without any other nudge.
// Usage: win_preview_host SAVER.scr [SECONDS]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr DWORD kEndWithinMs = 5000;

void pump(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        Sleep(10);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const DWORD seconds = argc > 2 ? static_cast<DWORD>(std::atoi(argv[2])) : 3;
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = CreateSolidBrush(RGB(255, 0, 255));
    wc.lpszClassName = "OndalithPreviewHost";
    RegisterClassA(&wc);
    HWND host = CreateWindowA(wc.lpszClassName, "Preview host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 30, 320, 240,
                              nullptr, nullptr, wc.hInstance, nullptr);
    std::string command = "\"" + std::string(argv[1]) + "\" /p " +
                          std::to_string(static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(host)));
    STARTUPINFOA si{sizeof(si)};
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        std::printf("FAIL: cannot start %s\n", argv[1]);
        return 1;
    }
    pump(seconds * 1000);
    DWORD code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    if (code != STILL_ACTIVE) {
        std::printf("FAIL: the saver ended before the host let it go (exit %lu)\n", code);
        return 1;
    }
    EnableWindow(host, FALSE);
    const DWORD disabled = GetTickCount();
    while (WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT && GetTickCount() - disabled < kEndWithinMs) pump(10);
    const DWORD took = GetTickCount() - disabled;
    if (WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(pi.hProcess, 1);
        std::printf("FAIL: the saver still ran %lu ms after its host window was disabled\n", kEndWithinMs);
        return 1;
    }
    GetExitCodeProcess(pi.hProcess, &code);
    std::printf("the saver ended %lu ms after the host window was disabled, exit code %lu\n", took, code);
    return code == 0 ? 0 : 1;
}
