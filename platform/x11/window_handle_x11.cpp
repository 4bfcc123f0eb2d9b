#define GLFW_EXPOSE_NATIVE_X11
#include <GLFW/glfw3.h>
#include <GLFW/glfw3native.h>

#include "platform/window_handle.h"

namespace ondalith::platform {

std::uintptr_t nativeHandleOf(GLFWwindow* window) { return glfwGetX11Window(window); }

}  // namespace ondalith::platform
