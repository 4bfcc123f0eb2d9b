#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/resources.h"
#include "test_resource_ids.h"

namespace ondalith::platform {
namespace {

TEST(ResourceLookupTest, FindsByTypeAndIdOnly) {
    auto text = findResource(ResourceType::TextFile, IDT_TEST_FRAGMENT);
    ASSERT_TRUE(text);
    EXPECT_GT(text->size, 0u);
    EXPECT_FALSE(findResource(ResourceType::Bitmap, IDT_TEST_FRAGMENT));
    EXPECT_FALSE(findResource(ResourceType::TextFile, 1099));
    EXPECT_FALSE(findResource(ResourceType::Wave, 0));
}

TEST(LoadBitmapPixelsTest, GivesBottomRowFirstAndSaysWhyItRefuses) {
    std::vector<std::uint8_t> pixels;
    ASSERT_TRUE(loadBitmapPixels(IDB_TEST_PADDED24, 2, 2, pixels));
    // Bottom-left of the 2 x 2 test picture is pure red, top-left white.
    const std::vector<std::uint8_t> bottomLeft{0, 0, 255, 0}, topLeft{255, 255, 255, 0};
    ASSERT_EQ(pixels.size(), 16u);
    EXPECT_EQ(std::vector<std::uint8_t>(pixels.begin(), pixels.begin() + 4), bottomLeft);
    EXPECT_EQ(std::vector<std::uint8_t>(pixels.begin() + 8, pixels.begin() + 12), topLeft);

    // A top-down picture gives the same rows; its fourth bytes (0x80) come through as they are.
    std::vector<std::uint8_t> bottomUp, topDown;
    ASSERT_TRUE(loadBitmapPixels(IDB_TEST_RGB32, 4, 4, bottomUp));
    ASSERT_TRUE(loadBitmapPixels(IDB_TEST_RGB32_TOP_DOWN, 4, 4, topDown));
    ASSERT_EQ(topDown.size(), 64u);
    for (std::size_t i = 3; i < topDown.size(); i += 4) {
        EXPECT_EQ(topDown[i], 0x80);
        topDown[i] = 0;
    }
    EXPECT_EQ(topDown, bottomUp);

    struct Case {
        std::uint16_t id;
        int size;
        const char* message;
    } cases[] = {
        {IDB_TEST_RGB24, 8, "Ondalith: bitmap 1000: is 4 x 4 pixels, not 8 x 8\n"},
        {IDT_TEST_VERTEX, 4, "Ondalith: bitmap 1010: no such resource\n"},
        {1099, 4, "Ondalith: bitmap 1099: no such resource\n"},
    };
    for (const Case& c : cases) {
        testing::internal::CaptureStderr();
        EXPECT_FALSE(loadBitmapPixels(c.id, c.size, c.size, pixels));
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.message);
        EXPECT_TRUE(pixels.empty());
    }
}

}  // namespace
}  // namespace ondalith::platform
