#pragma once
// The name that a desktop's launcher, task bar and window manager group the program's
// windows by. On X every window the program makes carries it as WM_CLASS (instance,
// class): the full-screen picture, the covers, a window inside a host and the About
// window; the desktop entry's StartupWMClass names the class. Windows keeps its own
// window class names and never reads these.
namespace ondalith::platform {

inline constexpr const char* kWindowInstanceName = "ondalith";
inline constexpr const char* kWindowClassName = "Ondalith";

}  // namespace ondalith::platform
