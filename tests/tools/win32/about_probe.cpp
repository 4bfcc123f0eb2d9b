// about_probe COMMAND: looks at the About window and its neighbours from outside, for
// the Wine tests. Prints one line and exits 0; exit 1 when the thing is not there.
//   window  "x y width height clientX clientY clientWidth clientHeight style" of the
//           top-level window of class "KestrovaWindowClass" titled "About"
//   marker  "present" or "absent": the saver's single-instance event
//   close   posts WM_CLOSE to the About window
//   box     the texts of the "Error!" message box's children joined by '|'; then
//           presses its OK button
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

BOOL CALLBACK collectText(HWND child, LPARAM texts) {
    char text[256];
    if (GetWindowTextA(child, text, sizeof text) > 0) {
        auto* all = reinterpret_cast<std::string*>(texts);
        if (!all->empty()) *all += '|';
        *all += text;
    }
    return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
    const char* command = argc > 1 ? argv[1] : "";
    if (std::strcmp(command, "marker") == 0) {
        HANDLE event = OpenEventA(SYNCHRONIZE, FALSE, "K_OPENGL_SCREENSAVER");
        std::printf("%s\n", event ? "present" : "absent");
        return 0;
    }
    if (std::strcmp(command, "box") == 0) {
        HWND box = FindWindowA(nullptr, "Error!");
        if (!box) return 1;
        std::string texts;
        EnumChildWindows(box, collectText, reinterpret_cast<LPARAM>(&texts));
        std::printf("%s\n", texts.c_str());
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        return 0;
    }
    HWND window = FindWindowA("KestrovaWindowClass", "About");
    if (!window) return 1;
    if (std::strcmp(command, "close") == 0) return PostMessageA(window, WM_CLOSE, 0, 0) ? 0 : 1;
    RECT outer, client;
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    std::printf("%ld %ld %ld %ld %ld %ld %ld %ld %lu\n", outer.left, outer.top, outer.right - outer.left,
                outer.bottom - outer.top, origin.x, origin.y, client.right, client.bottom,
                static_cast<unsigned long>(GetWindowLongA(window, GWL_STYLE)));
    return 0;
}
