#pragma once
// The executable's own resources, found by type and integer id.
#include <cstddef>
#include <cstdint>
#include <optional>

namespace ondalith::platform {

enum class ResourceType { TextFile, Bitmap, Wave, Icon };

struct ResourceBytes {
    const std::uint8_t* data;
    std::size_t size;
};

// The bytes stay valid for the life of the process. On Windows a BITMAP resource holds
// the bitmap without its file header; Linux embeds the whole .bmp file.
std::optional<ResourceBytes> findResource(ResourceType type, std::uint16_t id);

}  // namespace ondalith::platform
