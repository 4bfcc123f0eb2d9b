// The direct attach, where the saver's GL context goes on the host's own window: run
// in-process, where the host's procedure can be replaced.
#include <windows.h>

#include <glad/gl.h>
#include <GLFW/glfw3.h>
#define GLFW_EXPOSE_NATIVE_WIN32
#include <GLFW/glfw3native.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/attach.h"
#include "app/launch_options.h"
#include "app/main_loop.h"
#include "app/saver_app.h"

namespace ondalith::test {
namespace {
int clicksHeard = 0;
int keysHeard = 0;

LRESULT CALLBACK listeningHost(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN) ++clicksHeard;
    if (message == WM_KEYDOWN) ++keysHeard;
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND makeHost(int width, int height) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = listeningHost;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"OndalithListeningHost";
    RegisterClassW(&wc);
    RECT r{0, 0, width, height};
    AdjustWindowRect(&r, WS_OVERLAPPEDWINDOW, FALSE);
    return CreateWindowW(wc.lpszClassName, L"Preview host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 60, 40, r.right - r.left,
                         r.bottom - r.top, nullptr, nullptr, wc.hInstance, nullptr);
}

void resizeClient(HWND window, int width, int height) {
    RECT r{0, 0, width, height};
    AdjustWindowRect(&r, WS_OVERLAPPEDWINDOW, FALSE);
    SetWindowPos(window, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A saver that took the input would end the whole process here with exit code 0,
// which would read as a pass.
bool inputPending = false;
void failIfEndedByInput() {
    if (!inputPending) return;
    std::fputs("FAIL: input in the host's window ended the saver\n", stderr);
    std::_Exit(1);
}

HICON iconOf(HWND window, WPARAM which) {
    return reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, which, 0));
}
}  // namespace

TEST(HostWindowTest, KeepsTheHostsInputAndIconFollowsItsSizeAndLeavesNothingBehind) {
    HWND host = makeHost(200, 150);
    ASSERT_NE(host, nullptr);
    HICON icon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_WARNING));
    SendMessageW(host, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(host, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));

    // The handle as the host writes it: the decimal value of the whole pointer.
    const std::string commandLine = "/p " + std::to_string(reinterpret_cast<UINT_PTR>(host));
    static LaunchOptions options = parseCommandLine(commandLine.c_str());
    ASSERT_EQ(reinterpret_cast<HWND>(options.parentWindow), host) << commandLine;
    saverApp = new SaverApp(&options);
    ASSERT_EQ(GetPropW(host, L"GLFW"), static_cast<HANDLE>(saverApp->window));
    ASSERT_EQ(GetWindow(host, GW_CHILD), nullptr) << "the context went on a child window, not on the host's";

    // The attach code wrote the library's window record from its internal headers; the
    // library's own calls read it back at the offsets they were compiled with.
    EXPECT_EQ(glfwGetWin32Window(saverApp->window), host);
    EXPECT_EQ(glfwGetWindowAttrib(saverApp->window, GLFW_DECORATED), GLFW_TRUE);
    EXPECT_EQ(glfwGetWindowAttrib(saverApp->window, GLFW_RESIZABLE), GLFW_TRUE);
    EXPECT_EQ(glfwGetWindowAttrib(saverApp->window, GLFW_FLOATING), GLFW_FALSE);
    EXPECT_EQ(glfwGetWindowAttrib(saverApp->window, GLFW_AUTO_ICONIFY), GLFW_TRUE);
    EXPECT_EQ(glfwGetWindowAttrib(saverApp->window, GLFW_FOCUS_ON_SHOW), GLFW_TRUE);
    EXPECT_EQ(glfwGetWindowAttrib(saverApp->window, GLFW_CONTEXT_VERSION_MAJOR), 4);
    EXPECT_EQ(glfwGetWindowUserPointer(saverApp->window), nullptr);

    EXPECT_EQ(iconOf(host, ICON_BIG), icon);
    EXPECT_EQ(iconOf(host, ICON_SMALL), icon);

    std::atexit(failIfEndedByInput);
    inputPending = true;
    PostMessageW(host, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    PostMessageW(host, WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
    PostMessageW(host, WM_KEYDOWN, 'A', 1);
    PostMessageW(host, WM_KEYUP, 'A', 0xC0000001);
    glfwPollEvents();
    inputPending = false;
    EXPECT_EQ(clicksHeard, 1);
    EXPECT_EQ(keysHeard, 1);

    // Another process's window keeps its own procedure; its size is followed all the same.
    const auto attachedProc = SetWindowLongPtrW(host, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(listeningHost));
    resizeClient(host, 260, 180);
    followNativeWindowSize(saverApp->window);
    EXPECT_EQ(windowMetrics.width, 260);
    EXPECT_EQ(windowMetrics.height, 180);
    SetWindowLongPtrW(host, GWLP_WNDPROC, attachedProc);

    glfwSetWindowShouldClose(saverApp->window, GLFW_TRUE);
    runMainLoop();  // one frame, then the close flag ends it
    EXPECT_EQ(GetPropW(host, L"GLFW"), nullptr);
    EXPECT_EQ(GetWindowLongPtrW(host, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(listeningHost));
    EXPECT_EQ(iconOf(host, ICON_BIG), icon);
    EXPECT_TRUE(IsWindow(host));
    DestroyWindow(host);
}

}  // namespace ondalith::test
