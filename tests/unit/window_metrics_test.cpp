// The drawing size as the size callback sets it.
#include <gtest/gtest.h>

#include "app/saver_app.h"

namespace ondalith {
namespace {

TEST(WindowMetricsTest, ASizeWithoutAreaKeepsTheLastGoodAspect) {
    setWindowMetrics(1280, 720);
    EXPECT_TRUE(windowMetrics.hasArea());
    EXPECT_FLOAT_EQ(windowMetrics.aspect, 1280.0f / 720.0f);
    for (const auto& size : {std::pair{0, 0}, std::pair{640, 0}, std::pair{0, 480}}) {
        setWindowMetrics(size.first, size.second);
        EXPECT_EQ(windowMetrics.width, size.first);
        EXPECT_EQ(windowMetrics.height, size.second);
        EXPECT_FALSE(windowMetrics.hasArea());
        EXPECT_FLOAT_EQ(windowMetrics.aspect, 1280.0f / 720.0f);
    }
    setWindowMetrics(800, 600);
    EXPECT_TRUE(windowMetrics.hasArea());
    EXPECT_FLOAT_EQ(windowMetrics.aspect, 800.0f / 600.0f);
}

}  // namespace
}  // namespace ondalith
