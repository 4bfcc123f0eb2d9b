#pragma once
// The one place that asks the driver of the current GL context what it offers, through
// the loaded entry points. What the saver needs of it stands in render/gl_requirements.h.
#include <vector>

#include "render/gl_requirements.h"

namespace ondalith {

// The version that the context's GL_VERSION text names; 0.0 where it cannot be read.
GLVersion driverGLVersion();

// Every entry point that the scene, its drawables, textures and programs, the fixed GL
// state and the frame-rate box call, and whether the driver gave it.
std::vector<EntryPoint> calledEntryPoints();

// Below 4.5 the reset status has no core entry point: takes the robustness extension's
// (KHR, or else ARB) where the current GLFW context offers one.
void loadResetStatusEntry();

// True once the driver has reset the context, which is then lost for good; false where
// the driver cannot tell. Cheap enough for every frame.
bool contextWasReset();

}  // namespace ondalith
