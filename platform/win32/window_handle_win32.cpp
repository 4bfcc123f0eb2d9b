#define GLFW_EXPOSE_NATIVE_WIN32
#include <GLFW/glfw3.h>
#include <GLFW/glfw3native.h>

#include "platform/window_handle.h"

namespace ondalith::platform {

std::uintptr_t nativeHandleOf(GLFWwindow* window) {
    return reinterpret_cast<std::uintptr_t>(glfwGetWin32Window(window));
}

}  // namespace ondalith::platform
