#pragma once
// The fixed GL state the saver sets once after its context is made, before the scene
// set-up; the bench sets the same, so that its frames are the saver's.

namespace ondalith {

// Needs a current context with the entry points loaded.
void setFixedGLState();

}  // namespace ondalith
