#pragma once
// The pixels of a BITMAP resource, as the texture and the About logo need them.
#include <cstdint>
#include <vector>

namespace ondalith::platform {

// Fills `pixels` with height rows of width 4-byte pixels (blue, green, red, a fourth
// byte that means nothing), the bottom row of the picture first. False, with the
// reason reported on the platform's error channel, when the resource is missing,
// malformed, not of the asked size, or in a format the platform does not read.
bool loadBitmapPixels(std::uint16_t id, int width, int height, std::vector<std::uint8_t>& pixels);

}  // namespace ondalith::platform
