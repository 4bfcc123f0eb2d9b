#pragma once
// Where the picture goes while the saver fills the desk, which parts of the desk need a
// black cover, and how the open covers follow when monitors come, go or move. Plain
// rectangles in and out.
#include <cstddef>
#include <optional>
#include <vector>

#include "platform/monitor_covers.h"

namespace ondalith {

using platform::ScreenRect;

// The monitor the picture fills: the first one with an area (the system lists its
// primary first). None when no monitor is left.
std::optional<ScreenRect> pictureMonitor(const std::vector<ScreenRect>& monitors);

// What each monitor shows outside the picture, each place once: the whole monitor, or
// the bands around the part of it the picture takes (a larger clone of the picture's
// monitor, a monitor whose mode grew under the picture). A cover never lies over any of
// the picture, whichever window the system stacks on top.
std::vector<ScreenRect> rectsToCover(const std::vector<ScreenRect>& monitors, const ScreenRect& picture);

// The steps from the covers open now to the wanted ones: the covers to close (indices
// into open, ascending) and the places to open. A cover already in a wanted place stays.
struct CoverChanges {
    std::vector<std::size_t> close;
    std::vector<ScreenRect> open;
};
CoverChanges coverChanges(const std::vector<ScreenRect>& open, const std::vector<ScreenRect>& wanted);

}  // namespace ondalith
