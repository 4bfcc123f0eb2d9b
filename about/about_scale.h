#pragma once
// How the About window grows with the screen's resolution. Every length of its layout
// (window, boxes, font cells, logo) is given at 96 dots per inch and scaled by the
// dots per inch of the monitor it opens on; at 96 nothing changes. Both systems' windows
// ask these functions, so they scale alike.
#include <cstdint>
#include <vector>

#include "about/about_texts.h"

namespace ondalith::about {

inline constexpr int kBaseDpi = 96;
// Beyond these a value is taken for a mistake, not a screen: it is clamped.
inline constexpr int kMinDpi = 48;
inline constexpr int kMaxDpi = 960;

// length × dpi / 96, rounded half away from zero as Windows' MulDiv rounds.
int scaledLength(int length, int dpi);
Box scaledBox(const Box& box, int dpi);
FontSpec scaledFont(const FontSpec& font, int dpi);

// The resolution an X resource such as Xft.dpi gives ("192", "144.5"): rounded to whole
// dots and clamped; 96 where there is no value or it is not a positive number.
int dpiFromResource(const char* value);

// The logo, scaled smoothly (bilinear, pixel centres on pixel centres) from width ×
// height pixels of 4 bytes to toWidth × toHeight. Rows keep their order; the fourth
// byte is carried along. The same size gives the same bytes.
std::vector<std::uint8_t> scaledPixels(const std::vector<std::uint8_t>& pixels, int width, int height, int toWidth,
                                       int toHeight);

}  // namespace ondalith::about
