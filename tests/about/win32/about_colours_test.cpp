// The About window's answers to what its controls ask of their parent, in-process under
// Wine with the window's own procedure: a button in the system's visual style paints
// its rounded corners with them, which Wine draws no theme to show.
#include <windows.h>

#include <gtest/gtest.h>

#include "about/about_window.h"
#include "about/win32/about_window_parts.h"
#include "support/exit_guard.h"

namespace ondalith::test {
namespace {

constexpr COLORREF kPanelGreen = RGB(177, 232, 179);

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

// Runs inside the About window's own message loop, then closes the window.
VOID CALLBACK inspect(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    const AboutParts about = findAboutWindow();
    if (!about.window) {
        PostQuitMessage(0);
        return;
    }
    answers.windowSeen = true;
    const auto [window, credits, title, button] = about;
    HDC dc = GetDC(button);
    answers.button = brushColour(SendMessageW(window, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                                              reinterpret_cast<LPARAM>(button)));
    answers.title = brushColour(SendMessageW(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                             reinterpret_cast<LPARAM>(title)));
    answers.credits = brushColour(SendMessageW(window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                               reinterpret_cast<LPARAM>(credits)));
    ReleaseDC(button, dc);
    const RECT corner = placeInParent(window, button);
    answers.erased = paintedAt(window, WM_ERASEBKGND, 0, corner.left, corner.top);
    answers.printed = paintedAt(window, WM_PRINTCLIENT, PRF_CLIENT, corner.left, corner.top);
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
