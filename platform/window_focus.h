#pragma once
// How the system hands the focus to a new full-screen window.

namespace ondalith::platform {

// True where the system gives a full-screen window the focus while the window is being
// made, before any callback can be in place (Windows); false where the program must ask
// for it after (X, where a window manager may give it or there may be none).
bool focusGivenAtCreation();

}  // namespace ondalith::platform
