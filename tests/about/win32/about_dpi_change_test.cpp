// The About window moved to a monitor of twice the resolution, in-process under Wine
// (which never sends WM_DPICHANGED itself): it takes the rectangle the system suggests,
// and its controls, fonts and logo follow at twice their size.
#include <windows.h>

#include <gtest/gtest.h>

#include "about/about_texts.h"
#include "about/about_window.h"
#include "about/win32/about_window_parts.h"
#include "support/exit_guard.h"

namespace ondalith::test {
namespace {

struct Seen {
    bool windowSeen = false;
    RECT suggested{}, outer{}, button{};
    LONG bodyHeight = 0, titleHeight = 0;
    COLORREF logoFarCorner = CLR_INVALID;  // inside the logo only when it grew
};
Seen seen;

LONG fontHeight(HWND control) {
    LOGFONTA font{};
    const auto handle = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    return handle && GetObjectA(handle, sizeof font, &font) ? font.lfHeight : 0;
}

VOID CALLBACK inspect(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    const AboutParts about = findAboutWindow();
    HWND window = about.window;
    if (!window) {
        PostQuitMessage(0);
        return;
    }
    seen.windowSeen = true;
    RECT outer;
    GetWindowRect(window, &outer);
    seen.suggested = {outer.left + 10, outer.top + 20, outer.left + 10 + 2 * (outer.right - outer.left),
                      outer.top + 20 + 2 * (outer.bottom - outer.top)};
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(192, 192), reinterpret_cast<LPARAM>(&seen.suggested));

    GetWindowRect(window, &seen.outer);
    seen.button = placeInParent(window, about.button);
    seen.bodyHeight = fontHeight(about.button);
    seen.titleHeight = fontHeight(about.title);
    // The logo's lower right corner at 96 is (251, 137); twice that lies inside it only
    // when it is drawn at twice its size.
    seen.logoFarCorner = paintedAt(window, WM_PRINTCLIENT, PRF_CLIENT, 2 * 251 - 4, 2 * 137 - 4);
    PostMessageW(window, WM_CLOSE, 0, 0);
}

}  // namespace

TEST(AboutWindowTest, FollowsAMoveToAMonitorOfTwiceTheResolution) {
    SetTimer(nullptr, 0, 100, inspect);
    AboutWindow about(nullptr, SW_SHOWNORMAL);
    ASSERT_TRUE(seen.windowSeen);
    EXPECT_TRUE(EqualRect(&seen.outer, &seen.suggested)) << "the window is not where the system suggested";
    const about::Box& b = about::kButtonBox;
    EXPECT_EQ(seen.button.left, 2 * b.x);
    EXPECT_EQ(seen.button.top, 2 * b.y);
    EXPECT_EQ(seen.button.right - seen.button.left, 2 * b.width);
    EXPECT_EQ(seen.button.bottom - seen.button.top, 2 * b.height);
    EXPECT_EQ(seen.bodyHeight, 2 * about::kBodyFont.height);
    EXPECT_EQ(seen.titleHeight, 2 * about::kTitleFont.height);
    EXPECT_EQ(seen.logoFarCorner, RGB(0, 128, 128)) << "the logo did not grow";
}

}  // namespace ondalith::test

int main(int argc, char** argv) { return ondalith::test::runAllTestsRefusingEarlyExit(argc, argv); }
