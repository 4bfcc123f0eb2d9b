#pragma once
// Settings of the whole desk that the windowing library changes for a full-screen window
// and puts back only when it destroys that window: the X server's own screen saver (its
// timer and blanking preference), and on Windows the mouse trails. The saver ends most
// runs from inside a callback, without destroying anything, so it keeps its own copy.
//
// Only what is still as the run set it goes back: a setting that somebody else changed
// during the run (the user, or another full-screen run that started after this one and
// already put its own copy back) stays as they left it.

namespace ondalith::platform {

// Reads the settings as they are; call after the library's start and before the
// full-screen window is made.
void keepDeskSettings();

// Reads the settings as the full-screen window's creation left them: what the run set.
// Until this is called, the run counts as having set whatever is there at the end.
void noteDeskSettingsSet();

// Puts back what keepDeskSettings read, where the setting is still what the run set.
// Harmless before it, once the library has ended (which puts them back itself), and
// when called again.
void restoreDeskSettings();

// One setting at the end of a run: what it was before, what the run set and what it is
// now. Somebody else's value wins over the one kept.
template <typename T>
T settingToLeave(T before, T set, T now) {
    return now == set ? before : now;
}

}  // namespace ondalith::platform
