#include "about/about_scale.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace ondalith::about {

int scaledLength(int length, int dpi) {
    const long long product = static_cast<long long>(length) * dpi;
    const long long half = kBaseDpi / 2;
    return static_cast<int>(product >= 0 ? (product + half) / kBaseDpi : -((-product + half) / kBaseDpi));
}

Box scaledBox(const Box& box, int dpi) {
    return Box{scaledLength(box.x, dpi), scaledLength(box.y, dpi), scaledLength(box.width, dpi),
               scaledLength(box.height, dpi)};
}

FontSpec scaledFont(const FontSpec& font, int dpi) {
    return FontSpec{scaledLength(font.height, dpi), scaledLength(font.width, dpi), font.weight, font.underlined};
}

int dpiFromResource(const char* value) {
    if (!value) return kBaseDpi;
    char* end = nullptr;
    const double dpi = std::strtod(value, &end);
    // NaN fails every comparison, so it lands here too.
    if (end == value || !(dpi > 0)) return kBaseDpi;
    return static_cast<int>(std::lround(std::clamp(dpi, double{kMinDpi}, double{kMaxDpi})));
}

std::vector<std::uint8_t> scaledPixels(const std::vector<std::uint8_t>& pixels, int width, int height, int toWidth,
                                       int toHeight) {
    if (toWidth == width && toHeight == height) return pixels;
    std::vector<std::uint8_t> out(static_cast<std::size_t>(std::max(toWidth, 0)) * std::max(toHeight, 0) * 4);
    if (width <= 0 || height <= 0 || pixels.size() < static_cast<std::size_t>(width) * height * 4) return out;
    // Where a target pixel's centre falls in the source, and the two source pixels it lies between.
    auto source = [](int target, int from, int to, int& low, int& high, double& weight) {
        const double at = std::clamp((target + 0.5) * from / to - 0.5, 0.0, double(from - 1));
        low = static_cast<int>(at);
        high = std::min(low + 1, from - 1);
        weight = at - low;
    };
    auto byte = [&](int x, int y, int channel) { return double(pixels[(std::size_t(y) * width + x) * 4 + channel]); };
    for (int y = 0; y < toHeight; ++y) {
        int y0, y1;
        double wy;
        source(y, height, toHeight, y0, y1, wy);
        for (int x = 0; x < toWidth; ++x) {
            int x0, x1;
            double wx;
            source(x, width, toWidth, x0, x1, wx);
            for (int c = 0; c < 4; ++c) {
                const double top = byte(x0, y0, c) * (1 - wx) + byte(x1, y0, c) * wx;
                const double bottom = byte(x0, y1, c) * (1 - wx) + byte(x1, y1, c) * wx;
                out[(std::size_t(y) * toWidth + x) * 4 + c] =
                    static_cast<std::uint8_t>(std::lround(top * (1 - wy) + bottom * wy));
            }
        }
    }
    return out;
}

}  // namespace ondalith::about
