#pragma once
// Which parts of the desk need a black cover while the picture fills one monitor, and
// how the open covers follow when monitors come, go or move. Plain rectangles in and out.
#include <cstddef>
#include <vector>

#include "platform/monitor_covers.h"

namespace ondalith {

using platform::ScreenRect;

// Every monitor but the picture's, each place once. A monitor that lies wholly inside
// the picture's (a mirror of it, or a smaller one cloned onto it) shows the picture and
// needs none; so does one with no area.
std::vector<ScreenRect> rectsToCover(const std::vector<ScreenRect>& monitors, const ScreenRect& picture);

// The steps from the covers open now to the wanted ones: the covers to close (indices
// into open, ascending) and the places to open. A cover already in a wanted place stays.
struct CoverChanges {
    std::vector<std::size_t> close;
    std::vector<ScreenRect> open;
};
CoverChanges coverChanges(const std::vector<ScreenRect>& open, const std::vector<ScreenRect>& wanted);

}  // namespace ondalith
