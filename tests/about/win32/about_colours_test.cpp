// The About window's answers to what its controls ask of their parent, in-process under
// Wine with the window's own procedure: a button in the system's visual style paints
// its rounded corners with them, which Wine draws no theme to show.
#include <windows.h>

#include <gtest/gtest.h>

#include "about/about_window.h"
#include "support/exit_guard.h"

namespace ondalith::test {
namespace {

constexpr COLORREF kPanelGreen = RGB(177, 232, 179);
constexpr int kWidth = 400;
constexpr int kHeight = 300;

struct Answers {
    bool windowSeen = false;
    COLORREF button = CLR_INVALID, title = CLR_INVALID, credits = CLR_INVALID;
    COLORREF erased = CLR_INVALID, printed = CLR_INVALID;  // under the button's corner
};
Answers answers;

COLORREF brushColour(LRESULT brush) {
    LOGBRUSH info{};
    if (!brush || !GetObjectW(reinterpret_cast<HBRUSH>(brush), sizeof info, &info)) return CLR_INVALID;
    return info.lbColor;
}

// What painting the message into a white memory bitmap leaves at the button's corner.
COLORREF paintedAtButtonCorner(HWND window, HWND button, UINT message, LPARAM lParam) {
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), kWidth, -kHeight, 1, 32, BI_RGB};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    PatBlt(dc, 0, 0, kWidth, kHeight, WHITENESS);
    SendMessageW(window, message, reinterpret_cast<WPARAM>(dc), lParam);
    RECT place;
    GetWindowRect(button, &place);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
    const COLORREF pixel = GetPixel(dc, place.left, place.top);
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(bitmap);
    return pixel;
}

// Runs inside the About window's own message loop, then closes the window.
VOID CALLBACK inspect(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    HWND window = FindWindowA("KestrovaWindowClass", "About");
    if (!window) {
        PostQuitMessage(0);
        return;
    }
    answers.windowSeen = true;
    HWND credits = FindWindowExA(window, nullptr, "static", nullptr);  // made first
    HWND title = FindWindowExA(window, credits, "static", nullptr);
    HWND button = FindWindowExA(window, nullptr, "BUTTON", nullptr);
    HDC dc = GetDC(button);
    answers.button = brushColour(SendMessageW(window, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                                              reinterpret_cast<LPARAM>(button)));
    answers.title = brushColour(SendMessageW(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                             reinterpret_cast<LPARAM>(title)));
    answers.credits = brushColour(SendMessageW(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                               reinterpret_cast<LPARAM>(credits)));
    ReleaseDC(button, dc);
    answers.erased = paintedAtButtonCorner(window, button, WM_ERASEBKGND, 0);
    answers.printed = paintedAtButtonCorner(window, button, WM_PRINTCLIENT, PRF_CLIENT);
    PostMessageW(window, WM_CLOSE, 0, 0);
}

}  // namespace

TEST(AboutWindowTest, ControlsGetThePanelGreenBehindThem) {
    SetTimer(nullptr, 0, 100, inspect);
    AboutWindow about(nullptr, SW_SHOWNORMAL);
    ASSERT_TRUE(answers.windowSeen);
    EXPECT_EQ(answers.button, kPanelGreen) << "WM_CTLCOLORBTN";
    EXPECT_EQ(answers.title, kPanelGreen) << "WM_CTLCOLORSTATIC, title";
    EXPECT_EQ(answers.credits, kPanelGreen) << "WM_CTLCOLORSTATIC, credits";
    EXPECT_EQ(answers.erased, kPanelGreen) << "WM_ERASEBKGND";
    EXPECT_EQ(answers.printed, kPanelGreen) << "WM_PRINTCLIENT";
}

}  // namespace ondalith::test

int main(int argc, char** argv) { return ondalith::test::runAllTestsRefusingEarlyExit(argc, argv); }
