#include <gtest/gtest.h>

#include <algorithm>

#include "app/cover_plan.h"

namespace ondalith {
namespace {

using Rects = std::vector<ScreenRect>;
const ScreenRect kPrimary{0, 0, 1280, 720};
const ScreenRect kRight{1280, 0, 1024, 768};
const ScreenRect kLeft{-800, 100, 800, 600};

TEST(CoverPlanTest, EveryMonitorButThePicturesOnceEach) {
    EXPECT_EQ(rectsToCover({kPrimary}, kPrimary), Rects{});
    EXPECT_EQ(rectsToCover({kLeft, kPrimary, kRight}, kPrimary), (Rects{kLeft, kRight}));
    // two outputs showing the same place need one cover
    EXPECT_EQ(rectsToCover({kPrimary, kRight, kRight}, kPrimary), Rects{kRight});
    // a mirror of the picture, or a smaller monitor cloned onto it, shows the picture
    EXPECT_EQ(rectsToCover({kPrimary, kPrimary, {0, 0, 1024, 576}}, kPrimary), Rects{});
    // one that only partly overlaps the picture is covered where it shows the desk
    EXPECT_EQ(rectsToCover({kPrimary, {640, 0, 1280, 720}}, kPrimary), (Rects{{1280, 0, 640, 720}}));
    // a monitor with no video mode has no area to cover
    EXPECT_EQ(rectsToCover({kPrimary, {1280, 0, 0, 0}}, kPrimary), Rects{});
}

// Covers never overlap the picture, and with it they fill each monitor exactly.
void expectCoversAround(const ScreenRect& monitor, const ScreenRect& picture) {
    const auto overlap = [](const ScreenRect& a, const ScreenRect& b) {
        const long w = std::min(a.x + a.width, b.x + b.width) - std::max(a.x, b.x);
        const long h = std::min(a.y + a.height, b.y + b.height) - std::max(a.y, b.y);
        return w > 0 && h > 0 ? w * h : 0L;
    };
    long covered = 0;
    for (const ScreenRect& c : rectsToCover({monitor}, picture)) {
        EXPECT_EQ(overlap(c, picture), 0) << c.x << "," << c.y << " " << c.width << "x" << c.height;
        EXPECT_EQ(overlap(c, monitor), long{c.width} * c.height);
        covered += long{c.width} * c.height;
    }
    EXPECT_EQ(covered, long{monitor.width} * monitor.height - overlap(monitor, picture));
}

TEST(CoverPlanTest, CoversLeaveOutThePicture) {
    // a larger clone of the picture's monitor, or its own mode grown under the picture
    const ScreenRect small{0, 0, 640, 480};
    EXPECT_EQ(rectsToCover({small, {0, 0, 800, 600}}, small), (Rects{{0, 480, 800, 120}, {640, 0, 160, 480}}));
    expectCoversAround({0, 0, 1000, 1000}, {100, 200, 300, 400});   // all four sides
    expectCoversAround({0, 0, 1024, 768}, {-200, 100, 600, 2000});  // the picture sticks out
    expectCoversAround(kLeft, kPrimary);                            // side by side: the whole monitor
    // a picture the system put far off every monitor leaves them all covered
    EXPECT_EQ(rectsToCover({kPrimary, kRight}, {-13632, 21890, 2304, 768}), (Rects{kPrimary, kRight}));
}

TEST(CoverPlanTest, ThePictureFillsTheFirstMonitorWithAnArea) {
    EXPECT_EQ(pictureMonitor({kRight, kPrimary}), kRight);
    EXPECT_EQ(pictureMonitor({{0, 0, 0, 0}, kLeft}), kLeft);
    EXPECT_EQ(pictureMonitor({}), std::nullopt);
    EXPECT_EQ(pictureMonitor({{0, 0, 1280, 0}}), std::nullopt);
}

TEST(CoverPlanTest, OpenCoversFollowMonitorsThatComeGoAndMove) {
    const CoverChanges first = coverChanges({}, {kRight});
    EXPECT_TRUE(first.close.empty());
    EXPECT_EQ(first.open, Rects{kRight});

    const CoverChanges same = coverChanges({kRight}, {kRight});
    EXPECT_TRUE(same.close.empty());
    EXPECT_TRUE(same.open.empty());

    const CoverChanges plugged = coverChanges({kRight}, {kLeft, kRight});
    EXPECT_TRUE(plugged.close.empty());
    EXPECT_EQ(plugged.open, Rects{kLeft});

    const CoverChanges unplugged = coverChanges({kLeft, kRight}, {kRight});
    EXPECT_EQ(unplugged.close, std::vector<std::size_t>{0});
    EXPECT_TRUE(unplugged.open.empty());

    const ScreenRect moved{1280, 0, 1024, 600};
    const CoverChanges resized = coverChanges({kLeft, kRight}, {kLeft, moved});
    EXPECT_EQ(resized.close, std::vector<std::size_t>{1});
    EXPECT_EQ(resized.open, Rects{moved});

    const CoverChanges allGone = coverChanges({kLeft, kRight}, {});
    EXPECT_EQ(allGone.close, (std::vector<std::size_t>{0, 1}));
}

}  // namespace
}  // namespace ondalith
