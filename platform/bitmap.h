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

// Takes a picture's rows one at a time, bottom row first.
class BitmapRowSink {
public:
    // `pixels`: the row's width pixels of bytesPerPixel (3 or 4) bytes each, blue,
    // green, red, then a fourth byte that means nothing. Valid during the call only.
    virtual void row(int y, const std::uint8_t* pixels, int bytesPerPixel) = 0;

protected:
    ~BitmapRowSink() = default;
};

// The same picture as loadBitmapPixels, handed over row by row from wherever the
// platform holds it, without a copy of the whole picture where the platform can avoid
// one. False, for the same reasons and with the same report, before any row is handed.
bool readBitmapRows(std::uint16_t id, int width, int height, BitmapRowSink& sink);

}  // namespace ondalith::platform
