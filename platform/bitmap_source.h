#pragma once
// What each system adds to the reading of a BITMAP resource: how the resource holds
// the picture, and where a failure is reported. The reading itself is shared.
#include <cstdint>
#include <string>

#include "platform/bmp_decoder.h"

namespace ondalith::platform {

// Where the rows of resource `id`, checked to be width x height, lie in the executable.
// False with a one-line `reason` when it is missing or not such a picture.
bool findBitmapResourceRows(std::uint16_t id, int width, int height, BmpRows& rows, std::string& reason);

// One line, ending in a newline, on the platform's error channel.
void reportBitmapFailure(const char* line);

}  // namespace ondalith::platform
