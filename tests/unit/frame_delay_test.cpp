#include <gtest/gtest.h>

#include "app/frame_delay.h"

namespace ondalith {
namespace {

struct Pause {
    double seconds = 0.0;
    int slices = 0;
};

// Waits out the pause after a frame presented at `at` as the main loop does, each slice
// taking exactly as long as asked.
Pause pauseAfter(FrameDelay& delay, double at) {
    delay.presented(at);
    Pause pause;
    double now = at;
    for (double slice; (slice = delay.nextSlice(now)) > 0.0 && pause.slices < 100000; now += slice) {
        EXPECT_LE(slice, FrameDelay::kSliceSeconds);
        ++pause.slices;
    }
    pause.seconds = now - at;
    return pause;
}

TEST(FrameDelayTest, PausesTheAskedTimeInSlicesAfterEachFrame) {
    struct Case {
        std::uint32_t microseconds;
        double seconds;
    } cases[] = {{200000, 0.2}, {5000, 0.005}, {10000000, 10.0}, {0, 0.0}};
    for (const Case& c : cases) {
        FrameDelay delay(c.microseconds);
        for (double at : {0.0, 86400.0}) {
            const Pause pause = pauseAfter(delay, at);
            EXPECT_NEAR(pause.seconds, c.seconds, 1e-9) << c.microseconds << " us after a frame at " << at;
            EXPECT_EQ(pause.slices > 0, c.microseconds > 0) << c.microseconds << " us after a frame at " << at;
        }
    }
}

TEST(FrameDelayTest, TheFirstFrameAndALateWakeUpDoNotWait) {
    FrameDelay delay(200000);
    EXPECT_EQ(delay.nextSlice(0.0), 0.0);  // nothing presented yet
    delay.presented(3.0);
    EXPECT_NEAR(delay.nextSlice(3.19), 0.01, 1e-12);
    EXPECT_EQ(delay.nextSlice(3.2), 0.0);
    EXPECT_EQ(delay.nextSlice(4.5), 0.0);
}

}  // namespace
}  // namespace ondalith
