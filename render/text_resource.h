#pragma once
// Text resources end at their first "~"; what follows the marker is not part of them.
#include <cstddef>
#include <cstdint>

namespace ondalith {

// Copies the bytes before the first "~" of source[0, size) into destination and writes
// four zero bytes after them. Without a "~" the whole resource is taken, and a text
// longer than capacity is cut at capacity: destination must hold capacity + 4 bytes.
// Returns the number of text bytes copied.
std::size_t copyMarkedText(const std::uint8_t* source, std::size_t size, char* destination, std::size_t capacity);

// copyMarkedText on the TEXTFILE resource of that id; a missing resource gives an
// empty text.
std::size_t loadTextResource(std::uint16_t id, char* destination, std::size_t capacity);

}  // namespace ondalith
