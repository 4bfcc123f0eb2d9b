#include <windows.h>

#include "platform/message_box.h"

namespace ondalith::platform {

void showMessageBox(const char* text, const char* caption, MessageIcon icon) {
    const UINT style = MB_OK | (icon == MessageIcon::Warning ? MB_ICONWARNING : MB_ICONINFORMATION);
    MessageBoxA(nullptr, text, caption, style);
}

}  // namespace ondalith::platform
