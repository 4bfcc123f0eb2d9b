#pragma once
// attachToNativeWindow: binds a GLFW window record and its GL context to a window that
// already exists (the host's preview window) instead of creating one. Every other GLFW
// call accepts the result like a created window. Returns null, with GLFW's error
// reported, where glfwCreateWindow would fail.
#include <stdint.h>

struct GLFWwindow;

#ifdef __cplusplus
extern "C" {
#endif

struct GLFWwindow* attachToNativeWindow(uintptr_t nativeWindow, struct GLFWwindow* share);

// Undoes an attach: the host gets its own message procedure back and stays alive.
void detachNativeWindow(struct GLFWwindow* window);

// Keeps an attached window at its host's size; call once per frame. Cheap when the size
// has not changed. Does nothing where the system forwards size changes by itself.
void followNativeWindowSize(struct GLFWwindow* window);

#ifdef __cplusplus
}
#endif
