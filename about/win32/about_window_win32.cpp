// The About window with the system's controls. Everything in it (window, margins,
// fonts, button, logo) is laid out at 96 dots per inch and scaled by the resolution of
// the monitor it opens on, and again when it is moved to a monitor of another one
// (WM_DPICHANGED); at 96 it is exactly the fixed layout.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstring>
#include <vector>

#include "about/about_scale.h"
#include "about/about_texts.h"
#include "about/about_window.h"
#include "platform/bitmap.h"
#include "resource_ids.h"

namespace ondalith {

namespace {

// Handles the window procedure needs; they live until the process ends.
HWND aboutWindow = nullptr;
HWND titleLabel = nullptr;
HWND creditsLabel = nullptr;
HWND linkButton = nullptr;
HBITMAP logo = nullptr;
HBRUSH backgroundBrush = nullptr;
// The layout's resolution now, and what it made at that scale: the fonts the controls
// use and, away from 96, the logo scaled smoothly.
int layoutDpi = about::kBaseDpi;
HFONT bodyFont = nullptr;
HFONT titleFont = nullptr;
HBITMAP scaledLogo = nullptr;

// The window's own style as the system completes it: a title bar with a close box.
constexpr DWORD kStyle = WS_SYSMENU;
constexpr DWORD kFrameStyle = WS_SYSMENU | WS_CAPTION;

COLORREF colour(about::Rgb c) { return RGB(c.r, c.g, c.b); }

void showError(const char* text) { MessageBoxA(nullptr, text, "Error!", MB_OK | MB_ICONWARNING); }

// Functions of newer systems, looked up by name so that the program still starts on
// Windows 7, which has none of them.
template <typename Function>
Function systemFunction(const char* module, const char* name) {
    HMODULE handle = GetModuleHandleA(module);
    if (!handle) handle = LoadLibraryA(module);
    return handle ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(handle, name))) : nullptr;
}

// The resolution of the primary monitor, where the window opens; the system's own on
// systems that know no other.
int primaryMonitorDpi() {
    using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static const auto getDpiForMonitor = systemFunction<GetDpiForMonitorFunction>("shcore.dll", "GetDpiForMonitor");
    UINT x = 0, y = 0;
    const HMONITOR primary = MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
    if (getDpiForMonitor && SUCCEEDED(getDpiForMonitor(primary, 0 /* effective */, &x, &y)) && y > 0)
        return static_cast<int>(y);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : about::kBaseDpi;
}

// The outer size at a resolution: the client area the fixed 400 x 300 window has at 96,
// scaled, inside the frame the system draws at that resolution. Without the system's
// help (before Windows 10) the outer size is scaled whole.
SIZE outerSize(int dpi) {
    using AdjustFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjust = systemFunction<AdjustFunction>("user32.dll", "AdjustWindowRectExForDpi");
    if (!adjust)
        return SIZE{about::scaledLength(about::kWindowWidth, dpi), about::scaledLength(about::kWindowHeight, dpi)};
    RECT frame{0, 0, 0, 0};
    adjust(&frame, kFrameStyle, FALSE, 0, about::kBaseDpi);
    const int clientWidth = about::kWindowWidth - (frame.right - frame.left);
    const int clientHeight = about::kWindowHeight - (frame.bottom - frame.top);
    RECT outer{0, 0, about::scaledLength(clientWidth, dpi), about::scaledLength(clientHeight, dpi)};
    adjust(&outer, kFrameStyle, FALSE, 0, static_cast<UINT>(dpi));
    return SIZE{outer.right - outer.left, outer.bottom - outer.top};
}

// The logo at the layout's scale, bilinear from the resource's pixels; none at 96,
// where the resource itself is painted.
void scaleLogo(int dpi) {
    if (scaledLogo) DeleteObject(scaledLogo);
    scaledLogo = nullptr;
    if (dpi == about::kBaseDpi) return;
    const about::Box& source = about::kLogoBox;
    const about::Box target = about::scaledBox(source, dpi);
    std::vector<std::uint8_t> pixels;
    if (target.width <= 0 || target.height <= 0 ||
        !platform::loadBitmapPixels(IDB_ABOUT_LOGO, source.width, source.height, pixels))
        return;
    pixels = about::scaledPixels(pixels, source.width, source.height, target.width, target.height);
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), target.width, target.height, 1, 32, BI_RGB};  // bottom row first
    void* bits = nullptr;
    scaledLogo = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (scaledLogo && bits) std::memcpy(bits, pixels.data(), pixels.size());
}

// The panel: the background colour over the whole client area, and the logo.
void paintPanel(HWND window, HDC dc) {
    RECT client;
    GetClientRect(window, &client);
    // An opaque output of no characters fills the rectangle with the background colour.
    SetBkColor(dc, colour(about::kBackground));
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &client, "", 0, nullptr);

    const HBITMAP picture = scaledLogo ? scaledLogo : logo;
    const about::Box place = about::scaledBox(about::kLogoBox, layoutDpi);
    BITMAP info;
    if (picture && GetObjectA(picture, sizeof info, &info)) {
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ previous = SelectObject(memory, picture);
        BitBlt(dc, place.x, place.y, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
        SelectObject(memory, previous);
        DeleteDC(memory);
    }
}

HFONT createFont(const about::FontSpec& spec) {
    return CreateFontA(spec.height, spec.width, 0, 0, spec.weight, FALSE, spec.underlined, FALSE, DEFAULT_CHARSET,
                       OUT_OUTLINE_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, VARIABLE_PITCH, "Arial");
}

// The fonts at a resolution; the old ones go once the controls have the new ones.
void createFonts(int dpi) {
    bodyFont = createFont(about::scaledFont(about::kBodyFont, dpi));
    titleFont = createFont(about::scaledFont(about::kTitleFont, dpi));
}

// Everything inside the window at another resolution: fonts, the controls' places, the logo.
void relayout(int dpi) {
    const HFONT oldBody = bodyFont;
    const HFONT oldTitle = titleFont;
    layoutDpi = dpi;
    createFonts(dpi);
    const struct {
        HWND control;
        const about::Box& box;
        HFONT font;
    } controls[] = {{creditsLabel, about::kCreditsBox, bodyFont},
                    {titleLabel, about::kTitleBox, titleFont},
                    {linkButton, about::kButtonBox, bodyFont}};
    for (const auto& c : controls) {
        const about::Box box = about::scaledBox(c.box, dpi);
        SetWindowPos(c.control, nullptr, box.x, box.y, box.width, box.height, SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageA(c.control, WM_SETFONT, reinterpret_cast<WPARAM>(c.font), TRUE);
    }
    DeleteObject(oldBody);
    DeleteObject(oldTitle);
    scaleLogo(dpi);
    InvalidateRect(aboutWindow, nullptr, TRUE);
}

void paint(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    paintPanel(window, dc);
    EndPaint(window, &ps);
}

LRESULT CALLBACK aboutProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!backgroundBrush) backgroundBrush = CreateSolidBrush(colour(about::kBackground));
    switch (message) {
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        DeleteObject(logo);
        if (scaledLogo) DeleteObject(scaledLogo);
        PostQuitMessage(0);
        return 0;
    // Moved to a monitor of another resolution: the system suggests the place and size.
    case WM_DPICHANGED: {
        const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(window, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        if (window == aboutWindow && HIWORD(wParam) > 0) relayout(HIWORD(wParam));
        return 0;
    }
    case WM_PAINT:
        paint(window);
        return 0;
    case WM_COMMAND:
        // Only the button's click arrives as exactly its id: notification code 0.
        if (wParam == static_cast<WPARAM>(about::kButtonId)) {
            ShellExecuteA(window, "open", about::kWebsiteLink, nullptr, nullptr, SW_SHOWNORMAL);
        }
        return 0;
    case WM_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        const bool title = reinterpret_cast<HWND>(lParam) == titleLabel;
        SetTextColor(dc, colour(title ? about::kTitleColour : about::kCreditsColour));
        SetBkColor(dc, colour(about::kBackground));
        return reinterpret_cast<LRESULT>(backgroundBrush);
    }
    // A button in the system's visual style has rounded corners and paints what lies
    // behind them by asking for its parent's background: these three answers give it the
    // panel's green, not the class background's white (which would also flash on every
    // repaint before WM_PAINT covers it).
    case WM_CTLCOLORBTN:
        SetBkColor(reinterpret_cast<HDC>(wParam), colour(about::kBackground));
        return reinterpret_cast<LRESULT>(backgroundBrush);
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(window, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, backgroundBrush);
        return 1;
    }
    case WM_PRINTCLIENT:
        paintPanel(window, reinterpret_cast<HDC>(wParam));
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

// Controls are born with a placeholder text and get their real text and font after.
HWND createControl(HWND parent, HINSTANCE instance, const char* className, DWORD style, const about::Box& fixed,
                   int id, const char* text, HFONT font) {
    const about::Box box = about::scaledBox(fixed, layoutDpi);
    HWND control = CreateWindowExA(0, className, "ST_U", WS_CHILD | WS_VISIBLE | style, box.x, box.y, box.width,
                                   box.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                                   nullptr);
    SetWindowTextA(control, text);
    SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    return control;
}

}  // namespace

AboutWindow::AboutWindow(void* instance, int showCommand) {
    fillTexts();
    // The manifest asks for version 6 of the common controls; this loads them so that
    // the labels and the button are made in the system's visual style.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    HINSTANCE module = instance ? static_cast<HINSTANCE>(instance) : GetModuleHandleA(nullptr);
    HANDLE icon = LoadImageA(GetModuleHandleA("user32.dll"), MAKEINTRESOURCEA(104), IMAGE_ICON, 16, 16, LR_SHARED);

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = aboutProcedure;
    windowClass.hInstance = module;
    windowClass.hIcon = static_cast<HICON>(icon);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = windowClassName;
    if (!RegisterClassA(&windowClass)) showError("Window Registration Failed!");

    // Without this a scaled display reports a virtual resolution and the window lands off centre.
    SetProcessDPIAware();
    HDC screen = GetDC(nullptr);
    const int screenWidth = GetDeviceCaps(screen, HORZRES);
    const int screenHeight = GetDeviceCaps(screen, VERTRES);
    ReleaseDC(nullptr, screen);
    layoutDpi = primaryMonitorDpi();
    const SIZE outer = outerSize(layoutDpi);

    aboutWindow = CreateWindowExA(0, windowClassName, caption, kStyle, about::centredOrigin(screenWidth, outer.cx),
                                  about::centredOrigin(screenHeight, outer.cy), outer.cx, outer.cy, nullptr, nullptr,
                                  module, nullptr);
    if (!aboutWindow) {
        // No window means nothing could ever end a message loop: go back to the entry.
        showError("Window Creation Failed!");
        return;
    }

    logo = static_cast<HBITMAP>(
        LoadImageA(module, MAKEINTRESOURCEA(IDB_ABOUT_LOGO), IMAGE_BITMAP, 0, 0, LR_SHARED));
    createFonts(layoutDpi);
    scaleLogo(layoutDpi);

    creditsLabel = createControl(aboutWindow, module, "static", WS_TABSTOP, about::kCreditsBox, about::kCreditsId,
                                 creditsText, bodyFont);
    titleLabel = createControl(aboutWindow, module, "static", WS_TABSTOP, about::kTitleBox, about::kTitleId,
                               productTitle, titleFont);
    linkButton = createControl(aboutWindow, module, "BUTTON", 0, about::kButtonBox, about::kButtonId, buttonLabel,
                               bodyFont);

    ShowWindow(aboutWindow, showCommand);
    UpdateWindow(aboutWindow);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace ondalith
