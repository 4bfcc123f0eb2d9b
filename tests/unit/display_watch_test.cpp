#include <gtest/gtest.h>

#include "platform/display_watch.h"

namespace ondalith::platform {
namespace {

// The display as a fake system reports it, and how often it was asked.
DisplayPower fakePower = DisplayPower::Lit;
int questions = 0;
DisplayPower askFake() {
    ++questions;
    return fakePower;
}

// Runs the loop's passes from `from` to `to` as the main loop does: a pass that draws
// takes `frame` seconds, one that sleeps takes the whole wait. Returns the frames drawn.
int passes(DisplayWatch& watch, double& now, double to, double frame) {
    int frames = 0;
    while (now < to) {
        const double wait = watch.darkWait(now);
        if (wait > 0.0) {
            EXPECT_LE(wait, DisplayWatch::kDarkWaitSeconds);
            now += wait;
        } else {
            ++frames;
            now += frame;
        }
    }
    return frames;
}

// Off for a minute, then on: nothing is drawn while it is dark, the run wakes about once
// a second, and the first pass after it comes back draws.
TEST(DisplayWatchTest, SleepsWhileDarkAndDrawsAtOnceWhenLit) {
    for (const double askEvery : {0.0, 1.0}) {  // Windows (told), X (asked)
        DisplayWatch watch(askFake, askEvery);
        double now = 0.0;
        fakePower = DisplayPower::Lit;
        EXPECT_GT(passes(watch, now, 10.0, 1.0 / 60), 500) << "lit, asked every " << askEvery << " s";
        fakePower = DisplayPower::Dark;
        passes(watch, now, now + askEvery, 1.0 / 60);  // a lit display may go unasked this long
        questions = 0;
        EXPECT_EQ(passes(watch, now, now + 60.0, 1.0 / 60), 0) << "dark, asked every " << askEvery << " s";
        EXPECT_LE(questions, 61) << "wakes in a dark minute";
        // An event (the mouse moved and the display came back) ends the sleep early.
        EXPECT_GT(watch.darkWait(now), 0.0);
        fakePower = DisplayPower::Lit;
        EXPECT_EQ(watch.darkWait(now + 0.1), 0.0) << "the first pass after the display came back";
    }
}

// Where each question is a round trip to the server, a lit display is asked about once
// a second however fast the frames come.
TEST(DisplayWatchTest, AsksALitDisplayOncePerInterval) {
    DisplayWatch watch(askFake, 1.0);
    fakePower = DisplayPower::Lit;
    questions = 0;
    double now = 0.0;
    passes(watch, now, 60.0, 1.0 / 240);
    EXPECT_GE(questions, 59);
    EXPECT_LE(questions, 61);
}

}  // namespace
}  // namespace ondalith::platform
