// A stand-in for the Windows screensaver host: makes a window, starts the saver with
// "/p <hwnd>", lets it run, clicks and types into the window (which must reach the host
// and leave the saver running), then disables the window as the host does when the
// preview ends, and checks that the saver then ends by itself with exit code 0. It ends after the
// frame in hand, and on a loaded machine a first frame under Wine can take seconds: the
// bound is generous, what counts is that it ends without any other nudge.
// Usage: win_preview_host SAVER.scr [SECONDS]
//
// With "churn N" instead of SECONDS it moves through N previews as the Screen Saver
// Settings do when the user moves through the list: each time a new window, a new
// saver, and soon after the window disabled (even turns) or destroyed (odd turns), at
// different moments of the saver's start-up. Every saver must end with exit code 0
// and never show a message box.
// Usage: win_preview_host SAVER.scr churn N
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr DWORD kEndWithinMs = 5000;

int clicksHeard = 0;
int keysHeard = 0;

LRESULT CALLBACK hostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN) ++clicksHeard;
    if (message == WM_KEYDOWN) ++keysHeard;
    return DefWindowProcA(window, message, wParam, lParam);
}

// A click in the middle of the host's window and a key, as the user makes them: the
// system sends them to whatever window is under the pointer or has the focus.
void clickAndType(HWND host) {
    SetForegroundWindow(host);
    SetFocus(host);
    RECT client;
    GetClientRect(host, &client);
    POINT centre{client.right / 2, client.bottom / 2};
    ClientToScreen(host, &centre);
    SetCursorPos(centre.x, centre.y);
    INPUT input[4] = {};
    input[0].type = input[1].type = INPUT_MOUSE;
    input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    input[2].type = input[3].type = INPUT_KEYBOARD;
    input[2].ki.wVk = input[3].ki.wVk = 'A';
    input[3].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(4, input, sizeof(INPUT));
}

void pump(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        Sleep(10);
    }
}

HWND makeHost(const char* className) {
    return CreateWindowA(className, "Preview host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 30, 320, 240, nullptr,
                         nullptr, GetModuleHandleA(nullptr), nullptr);
}

bool startSaver(const char* saver, HWND host, PROCESS_INFORMATION& pi) {
    // The whole pointer, as the system's host writes it (unsigned long is 32 bits on Windows).
    std::string command = "\"" + std::string(saver) + "\" /p " + std::to_string(reinterpret_cast<UINT_PTR>(host));
    STARTUPINFOA si{sizeof(si)};
    return CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi) != FALSE;
}

// A message box is a dialog-class top-level window of the saver's process.
struct BoxSearch {
    DWORD process;
    std::string text;  // caption and message, once found
};
BOOL CALLBACK addText(HWND window, LPARAM data) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    if (text[0]) *reinterpret_cast<std::string*>(data) += std::string(" | ") + text;
    return TRUE;
}
BOOL CALLBACK findBox(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<BoxSearch*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (owner != search->process || std::string(name) != "#32770") return TRUE;
    addText(window, reinterpret_cast<LPARAM>(&search->text));
    EnumChildWindows(window, addText, reinterpret_cast<LPARAM>(&search->text));
    return FALSE;
}
// The box's caption and text, or empty when the process shows none.
std::string messageBoxOf(DWORD process) {
    BoxSearch search{process, {}};
    EnumWindows(findBox, reinterpret_cast<LPARAM>(&search));
    return search.text;
}

// The saver has attached once the host carries the windowing library's property or
// holds our child window.
bool attached(HWND host) { return GetPropW(host, L"GLFW") != nullptr || GetWindow(host, GW_CHILD) != nullptr; }

int churn(const char* saver, const char* className, int turns) {
    for (int turn = 0; turn < turns; ++turn) {
        const bool destroy = turn % 2 == 1;
        HWND host = makeHost(className);
        PROCESS_INFORMATION pi{};
        if (!startSaver(saver, host, pi)) {
            std::printf("FAIL: turn %d: cannot start the saver\n", turn);
            return 1;
        }
        // A window destroyed before the saver has attached to it is no window at all,
        // which the saver reports; the host destroys only what has been in use.
        const DWORD start = GetTickCount();
        if (destroy) {
            while (!attached(host) && WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT &&
                   GetTickCount() - start < 30000) {
                pump(10);
            }
        }
        pump(static_cast<DWORD>(turn % 5) * 250);
        if (destroy) {
            DestroyWindow(host);
        } else {
            EnableWindow(host, FALSE);
        }
        const DWORD letGo = GetTickCount();
        std::string box;
        while (WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT && GetTickCount() - letGo < 30000) {
            pump(50);
            box = messageBoxOf(pi.dwProcessId);
            if (!box.empty()) break;
        }
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(pi.hProcess, &code);
        const char* how = destroy ? "destroyed" : "disabled";
        if (!box.empty() || code == STILL_ACTIVE) {
            TerminateProcess(pi.hProcess, 1);
            std::printf("FAIL: turn %d, window %s: %s%s\n", turn, how,
                        box.empty() ? "the saver still runs after 30 s" : "the saver shows a message box", box.c_str());
            return 1;
        }
        std::printf("turn %d: window %s %lu ms after start, the saver ended %lu ms later with exit code %lu\n", turn,
                    how, static_cast<unsigned long>(letGo - start), static_cast<unsigned long>(GetTickCount() - letGo),
                    static_cast<unsigned long>(code));
        std::fflush(stdout);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        if (!destroy) DestroyWindow(host);
        if (code != 0) return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const DWORD seconds = argc > 2 ? static_cast<DWORD>(std::atoi(argv[2])) : 3;
    WNDCLASSA wc{};
    wc.lpfnWndProc = hostProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = CreateSolidBrush(RGB(255, 0, 255));
    wc.lpszClassName = "OndalithPreviewHost";
    RegisterClassA(&wc);
    if (argc > 3 && std::string(argv[2]) == "churn") return churn(argv[1], wc.lpszClassName, std::atoi(argv[3]));
    HWND host = makeHost(wc.lpszClassName);
    PROCESS_INFORMATION pi{};
    if (!startSaver(argv[1], host, pi)) {
        std::printf("FAIL: cannot start %s\n", argv[1]);
        return 1;
    }
    pump(seconds * 1000);
    clickAndType(host);
    pump(1000);
    DWORD code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    if (code != STILL_ACTIVE) {
        std::printf("FAIL: the saver ended before the host let it go (exit %lu)\n", code);
        return 1;
    }
    std::printf("a click and a key in the host's window: the host heard %d click(s) and %d key(s)\n", clicksHeard,
                keysHeard);
    if (clicksHeard != 1 || keysHeard != 1) {
        std::printf("FAIL: the host did not get the click and the key\n");
        TerminateProcess(pi.hProcess, 1);
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
