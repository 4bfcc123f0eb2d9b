#include "platform/display_watch.h"

namespace ondalith::platform {

double DisplayWatch::darkWait(double now) {
    // A dark display may come back at any moment (the user moved the mouse): every wake
    // asks. A lit one is asked again only after a while where asking costs a round trip.
    if (known == DisplayPower::Dark || now - lastAsked >= litAskSeconds) {
        known = ask();
        lastAsked = now;
    }
    return known == DisplayPower::Dark ? kDarkWaitSeconds : 0.0;
}

}  // namespace ondalith::platform
