#pragma once
// Whether a full-screen run draws, or sleeps because its display is off: one decision
// per pass of the main loop, from the display's power state (platform/display_power.h)
// and the clock. While the display is dark the run presents nothing and wakes about once
// a second (sooner for any event: input still ends the saver at once, and a message that
// the display is back wakes it); the first pass that finds it lit draws, at that pass's
// own time t, so the picture is the one it would have been.
#include <limits>

#include "platform/display_power.h"

namespace ondalith::platform {

class DisplayWatch {
public:
    // The longest sleep while the display is dark.
    static constexpr double kDarkWaitSeconds = 1.0;

    using Ask = DisplayPower (*)();

    // `ask` reads the display's state (displayPower, or a fake in tests); a lit display is
    // asked again only once `litAskSeconds` have passed since the last question.
    DisplayWatch(Ask ask, double litAskSeconds) : ask(ask), litAskSeconds(litAskSeconds) {}

    // How long the loop sleeps before it looks again, at `now`; 0 when it draws.
    double darkWait(double now);

private:
    Ask ask;
    double litAskSeconds;
    DisplayPower known = DisplayPower::Lit;
    double lastAsked = -std::numeric_limits<double>::infinity();  // the first pass asks
};

}  // namespace ondalith::platform
