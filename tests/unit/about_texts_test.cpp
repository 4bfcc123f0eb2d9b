#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "about/about_texts.h"
#include "platform/bitmap.h"
#include "resource_ids.h"

namespace ondalith::about {
namespace {

TEST(AboutWindowPlace, CentresByHalfTheDifferenceTruncatedTowardZero) {
    EXPECT_EQ(centredOrigin(1920, 400), 760);
    EXPECT_EQ(centredOrigin(1281, 400), 440);  // 440.5
    EXPECT_EQ(centredOrigin(721, 300), 210);   // 210.5
    EXPECT_EQ(centredOrigin(400, 400), 0);
    // Smaller than the window: toward zero, not toward minus infinity.
    EXPECT_EQ(centredOrigin(399, 400), 0);  // -0.5
    EXPECT_EQ(centredOrigin(297, 300), -1);  // -1.5
}

TEST(AboutWindowTexts, CreditsAreThreeLinesJoinedByCarriageReturnLineFeed) {
    int breaks = 0;
    for (const char* c = kCreditsText; *c; ++c) {
        if (*c == '\n') {
            ASSERT_GT(c, kCreditsText);
            EXPECT_EQ(c[-1], '\r') << "a line feed without its carriage return";
            ++breaks;
        }
    }
    EXPECT_EQ(breaks, 2);

    const std::vector<std::string> lines = creditsLines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_NE(lines[0].find("Kestrova"), std::string::npos);
    EXPECT_NE(lines[0].find("rights"), std::string::npos);
    EXPECT_NE(lines[1].find("https://kestrova.example/"), std::string::npos);
    EXPECT_NE(lines[2].find("support@kestrova.example"), std::string::npos);
    for (const std::string& line : lines) EXPECT_EQ(line.find('\r'), std::string::npos);
}

TEST(AboutWindowTexts, LinkIsTheSiteRootWithTheAboutQuery) {
    EXPECT_STREQ(kWebsiteLink, "https://kestrova.example/?utm_source=About");
}

TEST(AboutWindowLogo, IsATealPictureWithAGreenSproutOfTheLaidOutSize) {
    std::vector<std::uint8_t> pixels;  // bottom row first, blue green red x
    ASSERT_TRUE(platform::loadBitmapPixels(IDB_ABOUT_LOGO, kLogoBox.width, kLogoBox.height, pixels));
    auto at = [&](int x, int yFromTop) {
        const std::uint8_t* p = &pixels[((kLogoBox.height - 1 - yFromTop) * kLogoBox.width + x) * 4];
        return std::vector<int>{p[2], p[1], p[0]};
    };
    const std::vector<int> teal{0, 128, 128};
    EXPECT_EQ(at(0, 0), teal);
    EXPECT_EQ(at(kLogoBox.width - 1, 0), teal);
    EXPECT_EQ(at(0, 40), teal);
    int green = 0;
    for (int y = 0; y < kLogoBox.height; ++y) {
        for (int x = 0; x < kLogoBox.width; ++x) {
            const std::vector<int> c = at(x, y);
            green += c[1] > c[0] + 60 && c[1] > c[2] + 60;
        }
    }
    EXPECT_GT(green, 300) << "no sprout";
}

}  // namespace
}  // namespace ondalith::about
