// Whether a window's thread handles its messages: exit 0 when the top-level window titled
// TITLE answers a message within MILLISECONDS (default 1000), 1 when it does not, 2 when
// there is no such window. Usage: window_answers TITLE [MILLISECONDS]
#include <windows.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const UINT limit = argc > 2 ? static_cast<UINT>(std::atoi(argv[2])) : 1000;
    HWND window = FindWindowA(nullptr, argv[1]);
    if (!window) return 2;
    DWORD_PTR result = 0;
    const DWORD start = GetTickCount();
    const bool answered = SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, limit, &result) != 0;
    std::printf("%s after %lu ms\n", answered ? "answered" : "no answer", GetTickCount() - start);
    std::fflush(stdout);
    return answered ? 0 : 1;
}
