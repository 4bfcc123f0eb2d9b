#pragma once
// What the in-process About window tests read of the open window: its controls, a
// control's place in the client area, and what a painting message leaves at a point.
#include <windows.h>

#include "about/about_texts.h"

namespace ondalith::test {

struct AboutParts {
    HWND window = nullptr;  // null where no About window is open
    HWND credits = nullptr;
    HWND title = nullptr;
    HWND button = nullptr;
};

inline AboutParts findAboutWindow() {
    AboutParts parts;
    parts.window = FindWindowA(about::kWindowClassName, about::kCaption);
    if (!parts.window) return parts;
    parts.credits = FindWindowExA(parts.window, nullptr, "static", nullptr);  // made first
    parts.title = FindWindowExA(parts.window, parts.credits, "static", nullptr);
    parts.button = FindWindowExA(parts.window, nullptr, "BUTTON", nullptr);
    return parts;
}

// A control's rectangle in its parent's client coordinates.
inline RECT placeInParent(HWND parent, HWND child) {
    RECT place;
    GetWindowRect(child, &place);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
    return place;
}

// What painting `message` (WM_ERASEBKGND, WM_PRINTCLIENT) into a white bitmap of the
// client area's size leaves at a client point.
inline COLORREF paintedAt(HWND window, UINT message, LPARAM lParam, int x, int y) {
    RECT client;
    GetClientRect(window, &client);
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), client.right, -client.bottom, 1, 32, BI_RGB};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, bitmap);
    PatBlt(dc, 0, 0, client.right, client.bottom, WHITENESS);
    SendMessageW(window, message, reinterpret_cast<WPARAM>(dc), lParam);
    const COLORREF pixel = GetPixel(dc, x, y);
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(bitmap);
    return pixel;
}

}  // namespace ondalith::test
