#pragma once
// The monitors of the desk, the full-screen window's place on one of them, and black
// windows over what does not show the picture, so that a full-screen saver hides the
// whole desk and not just one monitor of it. A cover has no GL context, never takes the
// focus, hides the cursor and stays above other programs' windows.
#include <vector>

struct GLFWwindow;

namespace ondalith::platform {

// A part of the desktop, in the desktop's pixels.
struct ScreenRect {
    int x, y, width, height;
    bool operator==(const ScreenRect& o) const {
        return x == o.x && y == o.y && width == o.width && height == o.height;
    }
};

// Where each monitor lies now, the system's primary first, read from the system at each
// call (the windowing library's list is not refreshed on every system when monitors come
// and go, and some servers give it no monitors of its own: it then sees one as large as
// the whole screen).
std::vector<ScreenRect> monitorRects();

// Moves the full-screen window to lie exactly over rect, where the windowing library
// placed it by its own list, or somewhere else. Takes no focus.
void placeFullScreenWindow(GLFWwindow* window, const ScreenRect& rect);

struct CoverWindow;  // the system's own record of one cover

// Opens a cover over rect without taking the focus; null where the system refuses one.
CoverWindow* openCover(const ScreenRect& rect);
void closeCover(CoverWindow* cover);

// Handles the covers' pending events. True when a key or a mouse button came to any open
// cover since the last call; motion and the wheel do not count.
bool coverInputSeen();

}  // namespace ondalith::platform
