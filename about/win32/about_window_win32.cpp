#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include "about/about_texts.h"
#include "about/about_window.h"
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

COLORREF colour(about::Rgb c) { return RGB(c.r, c.g, c.b); }

void showError(const char* text) { MessageBoxA(nullptr, text, "Error!", MB_OK | MB_ICONWARNING); }

// The panel: the background colour over the whole client area, and the logo.
void paintPanel(HWND window, HDC dc) {
    RECT client;
    GetClientRect(window, &client);
    // An opaque output of no characters fills the rectangle with the background colour.
    SetBkColor(dc, colour(about::kBackground));
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &client, "", 0, nullptr);

    BITMAP info;
    if (logo && GetObjectA(logo, sizeof info, &info)) {
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ previous = SelectObject(memory, logo);
        BitBlt(dc, about::kLogoBox.x, about::kLogoBox.y, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
        SelectObject(memory, previous);
        DeleteDC(memory);
    }
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
        PostQuitMessage(0);
        return 0;
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

HFONT createFont(const about::FontSpec& spec) {
    return CreateFontA(spec.height, spec.width, 0, 0, spec.weight, FALSE, spec.underlined, FALSE, DEFAULT_CHARSET,
                       OUT_OUTLINE_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, VARIABLE_PITCH, "Arial");
}

// Controls are born with a placeholder text and get their real text and font after.
HWND createControl(HWND parent, HINSTANCE instance, const char* className, DWORD style, const about::Box& box,
                   int id, const char* text, HFONT font) {
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

    aboutWindow = CreateWindowExA(0, windowClassName, caption, WS_SYSMENU,
                                  about::centredOrigin(screenWidth, about::kWindowWidth),
                                  about::centredOrigin(screenHeight, about::kWindowHeight), about::kWindowWidth,
                                  about::kWindowHeight, nullptr, nullptr, module, nullptr);
    if (!aboutWindow) {
        // No window means nothing could ever end a message loop: go back to the entry.
        showError("Window Creation Failed!");
        return;
    }

    logo = static_cast<HBITMAP>(
        LoadImageA(module, MAKEINTRESOURCEA(IDB_ABOUT_LOGO), IMAGE_BITMAP, 0, 0, LR_SHARED));
    HFONT bodyFont = createFont(about::kBodyFont);
    HFONT titleFont = createFont(about::kTitleFont);

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
