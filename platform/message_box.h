#pragma once
// Modal notices with an OK button and no owner. Linux has no box to show: the text goes
// to stderr as one line "Caption: text", and the call returns at once.

namespace ondalith::platform {

enum class MessageIcon { Information, Warning };

void showMessageBox(const char* text, const char* caption, MessageIcon icon);

}  // namespace ondalith::platform
