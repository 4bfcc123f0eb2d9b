#include "app/cover_plan.h"

#include <algorithm>

namespace ondalith {

namespace {
bool inside(const ScreenRect& r, const ScreenRect& outer) {
    return r.x >= outer.x && r.y >= outer.y && r.x + r.width <= outer.x + outer.width &&
           r.y + r.height <= outer.y + outer.height;
}

bool contains(const std::vector<ScreenRect>& list, const ScreenRect& r) {
    return std::find(list.begin(), list.end(), r) != list.end();
}
}  // namespace

std::vector<ScreenRect> rectsToCover(const std::vector<ScreenRect>& monitors, const ScreenRect& picture) {
    std::vector<ScreenRect> wanted;
    for (const ScreenRect& m : monitors) {
        if (m.width <= 0 || m.height <= 0 || inside(m, picture) || contains(wanted, m)) continue;
        wanted.push_back(m);
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
