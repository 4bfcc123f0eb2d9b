#include <gtest/gtest.h>

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
    // one that only partly overlaps the picture still shows some desk
    EXPECT_EQ(rectsToCover({kPrimary, {640, 0, 1280, 720}}, kPrimary), (Rects{{640, 0, 1280, 720}}));
    // a monitor with no video mode has no area to cover
    EXPECT_EQ(rectsToCover({kPrimary, {1280, 0, 0, 0}}, kPrimary), Rects{});
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
