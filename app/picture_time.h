#pragma once
// The time t the picture is drawn for, from the seconds since the saver started.
//
// t reaches the shaders as a 32-bit float, whose steps grow with its size: past a day
// they are tens of milliseconds and the motion judders; past half a year they are a
// second and it stands still. So t is brought back, in double precision, by whole
// spans after which the picture is the same: 71 cycles of 16 pictures (17,040 s), which
// is also within 0.0029 rad of a whole number of flicker periods (pi / 2 s), a change
// of the flicker below 0.001, under one colour step. t then stays between 15 s and
// 17,055 s, where its float steps are at most about 2 ms (as they are 4.6 hours into
// a run without the wrap). The first pass, 0 to 15 s, where nothing stands before the
// wave, comes only once, at the real start: a wrap lands on 15 s, never below.
#include <cmath>

namespace ondalith {

constexpr double kFirstPassSeconds = 15.0;
constexpr double kPictureSpanSeconds = 71 * 240.0;

inline float pictureTime(double secondsSinceStart) {
    if (secondsSinceStart < kFirstPassSeconds + kPictureSpanSeconds) return static_cast<float>(secondsSinceStart);
    // fmod is exact, so the result lies in [15, 17055) whatever the run's length.
    const double intoSpan = std::fmod(secondsSinceStart - kFirstPassSeconds, kPictureSpanSeconds);
    return static_cast<float>(kFirstPassSeconds + intoSpan);
}

}  // namespace ondalith
