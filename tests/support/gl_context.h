#pragma once
// A GL context for tests: a hidden GLFW window with the saver's context hints and the
// entry points loaded. Tests draw into their own framebuffer objects, since a hidden
// window's default framebuffer has no defined pixels.
#include <glad/gl.h>

struct GLFWwindow;

namespace ondalith::test {

class GLContext {
public:
    GLContext();
    ~GLContext();
    bool ok() const { return window_ != nullptr; }
    GLFWwindow* window() const { return window_; }

private:
    GLFWwindow* window_ = nullptr;
};

// A single-sampled RGBA8 colour buffer with depth, bound for drawing and reading.
class Framebuffer {
public:
    Framebuffer(int width, int height);
    ~Framebuffer();
    // RGBA bytes of one pixel, origin bottom-left.
    void read(int x, int y, unsigned char rgba[4]) const;

private:
    GLuint framebuffer_ = 0, colour_ = 0, depth_ = 0;
};

}  // namespace ondalith::test
