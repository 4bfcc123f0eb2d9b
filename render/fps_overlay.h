#pragma once
// The frame-rate box (--fps): a drawable of its own, drawn over the finished scene in
// the lower-left corner. It shows the presented frames per second and the seconds since
// the saver started, and it leaves every piece of GL state it touches as it found it.
// Those seconds are the picture's own t for the first 17,055 s; after that t is brought
// back by whole spans of the picture (app/picture_time.h) while the box counts on, so
// that it still says how long the saver has run.
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
    void draw(double secondsSinceStart);

    // What the box says, a line each: the rate ("--" until one is known) and the seconds
    // since start, as "t: ... s". Fixed
    // buffers, so that a frame with the box allocates nothing either.
    struct Text {
        char lines[kMaxLines][kMaxColumns + 1];
    };
    static Text text(const FrameRate& rate, double secondsSinceStart);
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
