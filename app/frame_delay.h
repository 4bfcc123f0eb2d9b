#pragma once
// The pause that --delay asks for after each presented frame. The loop waits it out in
// slices, handling events in each, so that input still ends the process at once and the
// loop's end conditions are tested again after every slice.
#include <algorithm>
#include <cstdint>
#include <limits>

namespace ondalith {

class FrameDelay {
public:
    // The longest slice: how late a stop request, a closed or vanished window can be
    // noticed during the pause.
    static constexpr double kSliceSeconds = 0.02;

    explicit FrameDelay(std::uint32_t microseconds) : seconds(microseconds / 1e6) {}

    // A frame was presented at `now`: the pause runs from here.
    void presented(double now) { until = now + seconds; }

    // How long to wait next, at most one slice; 0 when the next frame is due.
    double nextSlice(double now) const { return until > now ? std::min(until - now, kSliceSeconds) : 0.0; }

private:
    double seconds;
    double until = -std::numeric_limits<double>::infinity();
};

}  // namespace ondalith
