#pragma once
// Frames presented per second, averaged over windows of about one second.

namespace ondalith {

class FrameRate {
public:
    // One frame was presented at `now` (seconds on any steady clock). The first call only
    // starts the count.
    void presented(double now);

    // False until a whole second has been seen, which never happens while the clock
    // stands still (a frozen test clock): there is nothing to divide by.
    bool known() const { return known_; }
    double perSecond() const { return perSecond_; }

private:
    bool started = false;
    bool known_ = false;
    double windowStart = 0.0;
    int frames = 0;
    double perSecond_ = 0.0;
};

}  // namespace ondalith
