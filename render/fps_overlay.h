#pragma once
// The frame-rate box (--fps): a drawable of its own, drawn over the finished scene in
// the lower-left corner. It shows the presented frames per second and the time t the
// scene was drawn for, and it leaves every piece of GL state it touches as it found it.
#include <glad/gl.h>

#include "render/frame_rate.h"
#include "render/glfw_program.h"
#include "render/glyph_font.h"

namespace ondalith {

class FpsOverlay {
public:
    static constexpr int kMaxLines = 2;
    static constexpr int kMaxColumns = 20;  // kMaxLines * kMaxColumns: the shader's text[] size
    static constexpr int kPadding = 2;      // dots of panel around the text

    // Needs the saver's GL context current; builds the program, the glyph texture and
    // an empty vertex-array object.
    FpsOverlay();
    FpsOverlay(const FpsOverlay&) = delete;
    FpsOverlay& operator=(const FpsOverlay&) = delete;

    void framePresented(double now) { rate.presented(now); }
    // Over whatever the current viewport shows, at its lower-left corner.
    void draw(float t);

    // What the box says, a line each: the rate ("--" until one is known) and t. Fixed
    // buffers, so that a frame with the box allocates nothing either.
    struct Text {
        char lines[kMaxLines][kMaxColumns + 1];
    };
    static Text text(const FrameRate& rate, float t);
    // Screen pixels per glyph dot: one dot per 270 pixels of height, at least one.
    static int scaleFor(int viewportHeight);

private:
    GLFWProgram program;
    GlyphFont font;
    GLuint texture = 0;
    GLuint vertexArray = 0;
    FrameRate rate;
};

}  // namespace ondalith
