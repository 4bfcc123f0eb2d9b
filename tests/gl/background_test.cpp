// The background program fits the picture to the window's width and centres it, reading
// only the pixel's window position; above and below a tall window the picture repeats.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "render/glfw_program.h"
#include "resource_ids.h"
#include "support/cube_reference.h"
#include "support/gl_context.h"

namespace ondalith::test {
namespace {

constexpr int kTexels = 64;

// The saver's own program, built from its text resources as the scene builds it.
GLuint backgroundProgram() {
    auto* program = new GLFWProgram(IDT_BACKGROUND_VERTEX, IDT_BACKGROUND_FRAGMENT);  // lives as long as the context
    GLint ok = 0;
    glGetProgramiv(program->programId(), GL_LINK_STATUS, &ok);
    EXPECT_TRUE(ok);
    return program->programId();
}

// Three channels of fixed pseudo-random texels: a shift of a fraction of a texel, a
// flip or a stretch changes what a pixel shows.
struct Picture {
    ReferenceAtlas channel[3];
};

Picture testPicture() {
    Picture p;
    std::uint32_t state = 12345;
    for (auto& c : p.channel) {
        c.size = kTexels;
        c.red.resize(kTexels * kTexels);
    }
    std::vector<float> rgba;
    for (int i = 0; i < kTexels * kTexels; ++i) {
        for (auto& c : p.channel) {
            state = state * 1664525u + 1013904223u;
            c.red[i] = static_cast<float>((state >> 24) / 255.0);
        }
    }
    return p;
}

void upload(const Picture& p) {
    std::vector<float> rgba;
    for (int i = 0; i < kTexels * kTexels; ++i)
        rgba.insert(rgba.end(), {p.channel[0].red[i], p.channel[1].red[i], p.channel[2].red[i], 1.0f});
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA32F, kTexels, kTexels, 0, GL_RGBA, GL_FLOAT, rgba.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAX_LEVEL, 0);
}

// The picture coordinate a pixel centre shows: 0 to 1 across the width; vertically one
// picture width per window width, centred on the middle row.
double pictureU(double x, int width) { return x / width; }
double pictureV(double y, int width, int height) { return 0.5 + (y - height / 2.0) / width; }

// Draws a full-window rectangle at the given size and compares every pixel.
void checkWindow(GLuint program, const Picture& picture, int width, int height) {
    Framebuffer framebuffer(width, height);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glUseProgram(program);
    const float identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    glUniformMatrix4fv(glGetUniformLocation(program, "model_projection"), 1, GL_FALSE, identity);
    glUniform1f(glGetUniformLocation(program, "viewportWidth"), static_cast<float>(width));
    glUniform1f(glGetUniformLocation(program, "viewportHeight"), static_cast<float>(height));
    const float corners[] = {-1, -1, 0, 1, -1, 0, -1, 1, 0, 1, 1, 0};
    const GLint position = glGetAttribLocation(program, "position");
    ASSERT_GE(position, 0);
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    glEnableVertexAttribArray(position);
    glVertexAttribPointer(position, 3, GL_FLOAT, GL_FALSE, 0, corners);
    glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
    glDisableVertexAttribArray(position);

    std::vector<unsigned char> pixels(static_cast<size_t>(width) * height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    int wrong = 0;
    double worst = 0;
    for (int y = 0; y < height; ++y) {
        const double v = pictureV(y + 0.5, width, height);
        for (int x = 0; x < width; ++x) {
            const double u = pictureU(x + 0.5, width);
            const unsigned char* got = &pixels[(static_cast<size_t>(y) * width + x) * 4];
            for (int c = 0; c < 3; ++c) {
                const double off = std::fabs(got[c] / 255.0 - picture.channel[c].sample(u, v));
                worst = std::max(worst, off);
                if (off > 2.5 / 255.0 && ++wrong <= 3)
                    ADD_FAILURE() << width << "x" << height << " pixel (" << x << ", " << y << ") channel " << c
                                  << " shows " << int(got[c]) << ", expected " << picture.channel[c].sample(u, v) * 255.0;
            }
            EXPECT_EQ(got[3], 255);
        }
    }
    EXPECT_EQ(wrong, 0) << width << "x" << height << ", worst " << worst * 255.0 << "/255";
}

TEST(BackgroundTest, FitsThePictureToTheWidthAndCentresIt) {
    // The prediction itself: a 16:9 window shows the middle 56.25 % of the height, 4:3 the
    // middle 75 %, a square all of it.
    EXPECT_DOUBLE_EQ(pictureV(0, 1920, 1080), 0.21875);
    EXPECT_DOUBLE_EQ(pictureV(1080, 1920, 1080), 0.78125);
    EXPECT_DOUBLE_EQ(pictureV(0, 1024, 768), 0.125);
    EXPECT_DOUBLE_EQ(pictureV(0, 512, 512), 0.0);

    GLContext context;
    ASSERT_TRUE(context.ok());
    const GLuint program = backgroundProgram();
    const Picture picture = testPicture();
    upload(picture);
    checkWindow(program, picture, 512, 512);    // 1:1
    checkWindow(program, picture, 1920, 1080);  // 16:9
    checkWindow(program, picture, 1024, 768);   // 4:3
    checkWindow(program, picture, 600, 1000);   // portrait: repeats above and below
}

}  // namespace
}  // namespace ondalith::test
