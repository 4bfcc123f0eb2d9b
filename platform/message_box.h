#pragma once
// Modal notices with an OK button and no owner. Linux has no box to show: the text goes
// to stderr as one line "Caption: text", and the call returns at once.

namespace ondalith::platform {

enum class MessageIcon { Information, Warning };

void showMessageBox(const char* text, const char* caption, MessageIcon icon);

// For a full-screen run, which must not leave the desk open while a box waits for the
// user: from this call on, coverDesk runs before each box (it puts black covers over
// every monitor) and the box is topmost, in front of them. True where boxes are windows
// that wait (Windows); false where they are lines on stderr (Linux), and nothing changes.
bool hideDeskBehindBoxes(void (*coverDesk)());

}  // namespace ondalith::platform
