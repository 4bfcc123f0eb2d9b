#include <windows.h>

#include "platform/system_version.h"

namespace ondalith::platform {

int systemVersion() {
    const DWORD version = GetVersion();
    return static_cast<int>(LOBYTE(LOWORD(version))) * 10 + static_cast<int>(HIBYTE(LOWORD(version)));
}

}  // namespace ondalith::platform
