#include "render/frame_rate.h"

namespace ondalith {

void FrameRate::presented(double now) {
    // A clock that went back (or the very first frame) restarts the window.
    if (!started_ || now < windowStart_) {
        started_ = true;
        windowStart_ = now;
        frames_ = 0;
        return;
    }
    ++frames_;
    const double elapsed = now - windowStart_;
    if (elapsed >= 1.0) {
        perSecond_ = frames_ / elapsed;
        known_ = true;
        windowStart_ = now;
        frames_ = 0;
    }
}

}  // namespace ondalith
