#include "render/fps_overlay.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "resource_ids.h"

namespace ondalith {

namespace {

// The state the box changes while it draws, read before and put back after.
struct SavedState {
    GLint program = 0;
    GLint vertexArray = 0;
    GLint activeTexture = GL_TEXTURE0;
    GLint texture = 0;  // on unit 0
    GLboolean depthTest = GL_FALSE;

    void save() {
        glGetIntegerv(GL_CURRENT_PROGRAM, &program);
        glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &vertexArray);
        glGetIntegerv(GL_ACTIVE_TEXTURE, &activeTexture);
        glActiveTexture(GL_TEXTURE0);
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture);
        depthTest = glIsEnabled(GL_DEPTH_TEST);
    }
    void restore() const {
        if (depthTest) glEnable(GL_DEPTH_TEST);
        glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(texture));
        glActiveTexture(static_cast<GLenum>(activeTexture));
        glBindVertexArray(static_cast<GLuint>(vertexArray));
        glUseProgram(static_cast<GLuint>(program));
    }
};

}  // namespace

FpsOverlay::FpsOverlay() : program(IDT_FPS_BOX_VERTEX, IDT_FPS_BOX_FRAGMENT) {
    loadGlyphFont(IDT_FPS_GLYPHS, font);
    SavedState saved;
    saved.save();

    glGenVertexArrays(1, &vertexArray);
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    const int width = std::max(font.atlasWidth(), 1);
    const int height = std::max(font.glyphHeight, 1);
    glTexStorage2D(GL_TEXTURE_2D, 1, GL_R8, width, height);
    if (!font.atlas.empty()) {
        // Rows padded to four bytes: the unpack alignment stays GL's default.
        const int stride = (width + 3) & ~3;
        std::vector<std::uint8_t> rows(static_cast<std::size_t>(stride) * height, 0);
        for (int y = 0; y < height; ++y) {
            std::copy_n(font.atlas.begin() + y * width, width, rows.begin() + y * stride);
        }
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, width, height, GL_RED, GL_UNSIGNED_BYTE, rows.data());
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);

    saved.restore();
}

int FpsOverlay::scaleFor(int viewportHeight) {
    return std::max(1, static_cast<int>(std::lround(viewportHeight / 270.0)));
}

FpsOverlay::Text FpsOverlay::text(const FrameRate& rate, double secondsSinceStart) {
    Text text{};
    // Three figures at least, so that a slow rate still reads to a few per cent.
    std::snprintf(text.lines[0], sizeof text.lines[0], "FPS: --");
    if (rate.known()) {
        const double perSecond = std::min(rate.perSecond(), 99999.9);
        std::snprintf(text.lines[0], sizeof text.lines[0], perSecond < 9.995 ? "FPS: %.2f" : "FPS: %.1f", perSecond);
    }
    std::snprintf(text.lines[1], sizeof text.lines[1], "t: %.2f s", secondsSinceStart);
    return text;
}

void FpsOverlay::draw(double secondsSinceStart) {
    GLint viewport[4] = {0, 0, 0, 0};
    glGetIntegerv(GL_VIEWPORT, viewport);
    if (viewport[2] <= 0 || viewport[3] <= 0 || font.characters.empty()) return;

    // Character cells, line by line; what the font lacks (the blank) stays -1.
    const Text said = text(rate, secondsSinceStart);
    const int lineCount = kMaxLines;
    int lengths[kMaxLines];
    int columns = 0;
    for (int l = 0; l < lineCount; ++l) {
        lengths[l] = static_cast<int>(std::strlen(said.lines[l]));
        columns = std::max(columns, lengths[l]);
    }
    GLint cells[kMaxLines * kMaxColumns];
    std::fill(std::begin(cells), std::end(cells), -1);
    for (int l = 0; l < lineCount; ++l) {
        for (int c = 0; c < lengths[l]; ++c) cells[l * columns + c] = font.indexOf(said.lines[l][c]);
    }

    const int scale = scaleFor(viewport[3]);
    const int width = (2 * kPadding + columns * font.advanceX - (font.advanceX - font.glyphWidth)) * scale;
    const int height = (2 * kPadding + lineCount * font.advanceY - (font.advanceY - font.glyphHeight)) * scale;

    SavedState saved;
    saved.save();
    glDisable(GL_DEPTH_TEST);  // over everything, and the scene's depth stays as it was
    glBindTexture(GL_TEXTURE_2D, texture);
    glBindVertexArray(vertexArray);
    program.use();
    glUniform4i(program.uniformLocation("box"), viewport[0], viewport[1], width, height);
    glUniform4i(program.uniformLocation("viewport"), viewport[0], viewport[1], viewport[2], viewport[3]);
    glUniform1i(program.uniformLocation("scale"), scale);
    glUniform2i(program.uniformLocation("glyphSize"), font.glyphWidth, font.glyphHeight);
    glUniform2i(program.uniformLocation("advance"), font.advanceX, font.advanceY);
    glUniform1i(program.uniformLocation("padding"), kPadding);
    glUniform1i(program.uniformLocation("columns"), columns);
    glUniform1i(program.uniformLocation("lines"), lineCount);
    glUniform1iv(program.uniformLocation("text"), lineCount * columns, cells);
    glDrawArrays(GL_TRIANGLE_STRIP, 0, 4);
    saved.restore();
}

}  // namespace ondalith
