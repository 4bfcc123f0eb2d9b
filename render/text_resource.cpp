#include "render/text_resource.h"

#include <cstring>

#include "platform/resources.h"

namespace ondalith {

std::size_t copyMarkedText(const std::uint8_t* source, std::size_t size, char* destination, std::size_t capacity) {
    std::size_t n = 0;
    const std::size_t limit = size < capacity ? size : capacity;
    while (n < limit && source[n] != '~') {
        destination[n] = static_cast<char>(source[n]);
        ++n;
    }
    std::memset(destination + n, 0, 4);
    return n;
}

std::size_t loadTextResource(std::uint16_t id, char* destination, std::size_t capacity) {
    if (auto bytes = platform::findResource(platform::ResourceType::TextFile, id))
        return copyMarkedText(bytes->data, bytes->size, destination, capacity);
    std::memset(destination, 0, 4);
    return 0;
}

}  // namespace ondalith
