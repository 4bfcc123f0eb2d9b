#include <windows.h>

#include <string>

#include "platform/instance_marker.h"

namespace ondalith::platform {

MarkerResult createInstanceMarker(const char* name) {
    const std::wstring wide(name, name + std::char_traits<char>::length(name));
    HANDLE event = CreateEventW(nullptr, TRUE, FALSE, wide.c_str());
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        if (event) CloseHandle(event);
        return MarkerResult::AlreadyExists;
    }
    // The handle stays open until the process ends: that is what keeps the name alive.
    return event ? MarkerResult::Created : MarkerResult::Failed;
}

}  // namespace ondalith::platform
