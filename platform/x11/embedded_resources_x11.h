#pragma once
// The table that the build generates from a resource script for Linux executables.
#include <cstddef>

#include "platform/resources.h"

namespace ondalith::platform {

struct EmbeddedResource {
    ResourceType type;
    std::uint16_t id;
    const unsigned char* begin;
    const unsigned char* end;
};

extern const EmbeddedResource kEmbeddedResources[];
extern const std::size_t kEmbeddedResourceCount;

}  // namespace ondalith::platform
