#include <windows.h>

#include "platform/resources.h"

namespace ondalith::platform {

std::optional<ResourceBytes> findResource(ResourceType type, std::uint16_t id) {
    LPCSTR kind = nullptr;
    switch (type) {
        case ResourceType::TextFile: kind = "TEXTFILE"; break;
        case ResourceType::Wave: kind = "WAVE"; break;
        case ResourceType::Bitmap: kind = MAKEINTRESOURCEA(2); break;   // RT_BITMAP
        case ResourceType::Icon: kind = MAKEINTRESOURCEA(14); break;    // RT_GROUP_ICON
    }
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(id), kind);
    if (!info) return std::nullopt;
    HGLOBAL loaded = LoadResource(module, info);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return std::nullopt;
    return ResourceBytes{static_cast<const std::uint8_t*>(bytes), SizeofResource(module, info)};
}

}  // namespace ondalith::platform
