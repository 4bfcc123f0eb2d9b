#include <windows.h>

#include "platform/message_box.h"

namespace ondalith::platform {

namespace {
void (*deskCover)() = nullptr;
}  // namespace

void showMessageBox(const char* text, const char* caption, MessageIcon icon) {
    UINT style = MB_OK | (icon == MessageIcon::Warning ? MB_ICONWARNING : MB_ICONINFORMATION);
    if (deskCover) {
        deskCover();
        // Without an owner a box opens behind topmost windows: the covers, the picture.
        style |= MB_TOPMOST | MB_SETFOREGROUND;
    }
    MessageBoxA(nullptr, text, caption, style);
}

bool hideDeskBehindBoxes(void (*coverDesk)()) {
    deskCover = coverDesk;
    return true;
}

}  // namespace ondalith::platform
