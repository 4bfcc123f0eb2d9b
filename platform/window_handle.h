#pragma once
// The system's handle of a GLFW window, as the sound device wants it.
#include <cstdint>

struct GLFWwindow;

namespace ondalith::platform {

std::uintptr_t nativeHandleOf(GLFWwindow* window);

}  // namespace ondalith::platform
