#pragma once
// Settings of the whole desk that the windowing library changes for a full-screen window
// and puts back only when it destroys that window: the X server's own screen saver (its
// timer and blanking preference), and on Windows the mouse trails. The saver ends most
// runs from inside a callback, without destroying anything, so it keeps its own copy.

namespace ondalith::platform {

// Reads the settings as they are; call after the library's start and before the
// full-screen window is made.
void keepDeskSettings();

// Puts back what keepDeskSettings read. Harmless before it, once the library has ended
// (which puts them back itself), and when called again.
void restoreDeskSettings();

}  // namespace ondalith::platform
