#include "platform/x11/embedded_resources_x11.h"
#include "platform/resources.h"

namespace ondalith::platform {

std::optional<ResourceBytes> findResource(ResourceType type, std::uint16_t id) {
    for (std::size_t i = 0; i < kEmbeddedResourceCount; ++i) {
        const EmbeddedResource& r = kEmbeddedResources[i];
        if (r.type == type && r.id == id && r.begin) {
            return ResourceBytes{r.begin, static_cast<std::size_t>(r.end - r.begin)};
        }
    }
    return std::nullopt;
}

}  // namespace ondalith::platform
