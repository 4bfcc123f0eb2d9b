#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "about/about_scale.h"

namespace ondalith::about {
namespace {

TEST(AboutScale, LeavesEveryLengthAsItIsAt96AndScalesItRoundedElsewhere) {
    for (const Box& box : {kTitleBox, kLogoBox, kCreditsBox, kButtonBox}) {
        const Box same = scaledBox(box, 96);
        EXPECT_EQ(same.x, box.x);
        EXPECT_EQ(same.y, box.y);
        EXPECT_EQ(same.width, box.width);
        EXPECT_EQ(same.height, box.height);
        const Box twice = scaledBox(box, 192);
        EXPECT_EQ(twice.width, 2 * box.width);
        EXPECT_EQ(twice.height, 2 * box.height);
    }
    EXPECT_EQ(scaledFont(kTitleFont, 96).height, kTitleFont.height);
    EXPECT_EQ(scaledFont(kTitleFont, 192).width, 2 * kTitleFont.width);
    EXPECT_EQ(scaledFont(kTitleFont, 192).weight, kTitleFont.weight);
    // Half away from zero, as MulDiv: 83 × 1.5 = 124.5, 83 × 1.25 = 103.75.
    EXPECT_EQ(scaledLength(83, 144), 125);
    EXPECT_EQ(scaledLength(83, 120), 104);
    EXPECT_EQ(scaledLength(-3, 144), -5);
}

TEST(AboutScale, TakesTheResolutionFromAResourceValueAnd96WithoutAUsableOne) {
    EXPECT_EQ(dpiFromResource("192"), 192);
    EXPECT_EQ(dpiFromResource("144.6"), 145);
    EXPECT_EQ(dpiFromResource(" 120 "), 120);
    for (const char* unusable : {static_cast<const char*>(nullptr), "", "high", "0", "-96", "nan"})
        EXPECT_EQ(dpiFromResource(unusable), 96) << (unusable ? unusable : "(none)");
    EXPECT_EQ(dpiFromResource("1e9"), kMaxDpi);
    EXPECT_EQ(dpiFromResource("inf"), kMaxDpi);
    EXPECT_EQ(dpiFromResource("1"), kMinDpi);
}

TEST(AboutScale, ScalesTheLogoSmoothlyAndLeavesItAloneAtItsOwnSize) {
    // Two pixels side by side, black and white (blue, green, red, spare byte).
    const std::vector<std::uint8_t> pixels{0, 0, 0, 0, 255, 255, 255, 0};
    EXPECT_EQ(scaledPixels(pixels, 2, 1, 2, 1), pixels);
    const std::vector<std::uint8_t> wide = scaledPixels(pixels, 2, 1, 4, 1);
    ASSERT_EQ(wide.size(), 16u);
    // The outer pixels keep their colours; the inner two lie between them, not a copy of either.
    EXPECT_EQ(wide[0], 0);
    EXPECT_EQ(wide[12], 255);
    EXPECT_EQ(wide[4], 64);
    EXPECT_EQ(wide[8], 191);
    // A shorter buffer than the size it claims gives an empty picture, never a read past it.
    EXPECT_EQ(scaledPixels({1, 2, 3}, 2, 1, 4, 1), std::vector<std::uint8_t>(16, 0));
}

}  // namespace
}  // namespace ondalith::about
