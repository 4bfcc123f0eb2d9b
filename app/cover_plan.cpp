#include "app/cover_plan.h"

#include <algorithm>

namespace ondalith {

namespace {
bool hasArea(const ScreenRect& r) { return r.width > 0 && r.height > 0; }

bool contains(const std::vector<ScreenRect>& list, const ScreenRect& r) {
    return std::find(list.begin(), list.end(), r) != list.end();
}

void addOnce(std::vector<ScreenRect>& list, const ScreenRect& r) {
    if (hasArea(r) && !contains(list, r)) list.push_back(r);
}

// Up to four bands: the full width above and below the picture, then left and right of
// it within its height.
void addOutside(std::vector<ScreenRect>& list, const ScreenRect& m, const ScreenRect& picture) {
    const int left = std::max(m.x, picture.x);
    const int top = std::max(m.y, picture.y);
    const int right = std::min(m.x + m.width, picture.x + picture.width);
    const int bottom = std::min(m.y + m.height, picture.y + picture.height);
    if (left >= right || top >= bottom) {
        addOnce(list, m);
        return;
    }
    addOnce(list, ScreenRect{m.x, m.y, m.width, top - m.y});
    addOnce(list, ScreenRect{m.x, bottom, m.width, m.y + m.height - bottom});
    addOnce(list, ScreenRect{m.x, top, left - m.x, bottom - top});
    addOnce(list, ScreenRect{right, top, m.x + m.width - right, bottom - top});
}
}  // namespace

std::optional<ScreenRect> pictureMonitor(const std::vector<ScreenRect>& monitors) {
    const auto found = std::find_if(monitors.begin(), monitors.end(), hasArea);
    if (found == monitors.end()) return std::nullopt;
    return *found;
}

std::vector<ScreenRect> rectsToCover(const std::vector<ScreenRect>& monitors, const ScreenRect& picture) {
    std::vector<ScreenRect> wanted;
    for (const ScreenRect& m : monitors) {
        if (hasArea(m)) addOutside(wanted, m, picture);
    }
    return wanted;
}

CoverChanges coverChanges(const std::vector<ScreenRect>& open, const std::vector<ScreenRect>& wanted) {
    CoverChanges changes;
    for (std::size_t i = 0; i < open.size(); ++i) {
        if (!contains(wanted, open[i])) changes.close.push_back(i);
    }
    for (const ScreenRect& w : wanted) {
        if (!contains(open, w)) changes.open.push_back(w);
    }
    return changes;
}

}  // namespace ondalith
