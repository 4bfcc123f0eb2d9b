#include "render/frame_rate.h"

namespace ondalith {

void FrameRate::presented(double now) {
    // A clock that went back (or the very first frame) restarts the window.
    if (!started || now < windowStart) {
        started = true;
        windowStart = now;
        frames = 0;
        return;
    }
    ++frames;
    const double elapsed = now - windowStart;
    if (elapsed >= 1.0) {
        perSecond_ = frames / elapsed;
        known_ = true;
        windowStart = now;
        frames = 0;
    }
}

}  // namespace ondalith
