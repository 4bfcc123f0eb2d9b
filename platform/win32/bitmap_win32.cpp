#include <windows.h>

#include <cstdio>
#include <cstring>

#include "platform/bitmap.h"

namespace ondalith::platform {
namespace {

bool reject(std::uint16_t id, const char* reason, std::vector<std::uint8_t>& pixels) {
    pixels.clear();
    char line[160];
    std::snprintf(line, sizeof line, "Ondalith: bitmap %u: %s\n", static_cast<unsigned>(id), reason);
    // A GUI process may have no stderr; the debugger channel is always there.
    std::fputs(line, stderr);
    OutputDebugStringA(line);
    return false;
}

}  // namespace

// The system converts whatever the resource holds; asking for 32 bits per pixel, not
// the format of the desktop, makes every row exactly width x 4 bytes on any display.
bool loadBitmapPixels(std::uint16_t id, int width, int height, std::vector<std::uint8_t>& pixels) {
    if (width <= 0 || height <= 0) return reject(id, "asked for an empty picture", pixels);
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id));
    if (!bitmap) return reject(id, "no such resource", pixels);

    HWND desktop = GetDesktopWindow();
    HDC screen = GetDC(desktop);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ previous = SelectObject(memory, bitmap);

    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colours[3];  // room for the masks a bit-field answer may append
    } info;
    std::memset(&info, 0, sizeof info);
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    const char* reason = nullptr;
    if (!GetDIBits(screen, bitmap, 0, 0, nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS)) {
        reason = "the system cannot read it";
    } else if (info.header.biWidth != width || (info.header.biHeight != height && info.header.biHeight != -height)) {
        reason = "not of the asked size";
    } else {
        info.header.biHeight = height;  // positive: bottom row first
        info.header.biPlanes = 1;
        info.header.biBitCount = 32;
        info.header.biCompression = BI_RGB;
        info.header.biSizeImage = 0;
        pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4, 0);
        if (GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), pixels.data(),
                      reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) != height)
            reason = "the system cannot read its pixels";
    }

    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(desktop, screen);
    DeleteObject(bitmap);
    if (reason) return reject(id, reason, pixels);
    return true;
}

// The system gives the whole picture at once; its rows are handed over from that copy.
bool readBitmapRows(std::uint16_t id, int width, int height, BitmapRowSink& sink) {
    std::vector<std::uint8_t> pixels;
    if (!loadBitmapPixels(id, width, height, pixels)) return false;
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
    for (int y = 0; y < height; ++y) sink.row(y, pixels.data() + static_cast<std::size_t>(y) * rowBytes, 4);
    return true;
}

}  // namespace ondalith::platform
