#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/bitmap.h"
#include "render/bitmap_texture.h"
#include "support/gl_context.h"
#include "test_resource_ids.h"

namespace ondalith::test {
namespace {

// The pictures of tests/resources/make_test_bitmaps.py: column x, row y from the top.
void testPixel(int x, int y, int size, float rgb[3]) {
    int r, g, b;
    if (x == 0 && y == 0) {
        r = g = b = 255;
    } else if (x == 0 && y == size - 1) {
        r = 255, g = b = 0;
    } else {
        r = (40 * x + 10 * y + 20) % 256, g = (60 * y + 7) % 256, b = (255 - 50 * x + 256) % 256;
    }
    // Through memory: the i686 build's x87 code may otherwise compare an unrounded
    // quotient with the texel's single-precision one.
    volatile float quotient[3] = {r / 255.0f, g / 255.0f, b / 255.0f};
    for (int c = 0; c < 3; ++c) rgb[c] = quotient[c];
}

std::vector<float> readLevelZero(int size) {
    std::vector<float> texels(static_cast<std::size_t>(size) * size * 4, -1.0f);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_FLOAT, texels.data());
    return texels;
}

GLint textureParameter(GLenum name) {
    GLint value = -1;
    glGetTexParameteriv(GL_TEXTURE_2D, name, &value);
    return value;
}

TEST(BitmapTextureTest, LevelTable) {
    EXPECT_EQ(BitmapTexture::levelCount(2048), 11);
    EXPECT_EQ(BitmapTexture::levelCount(1024), 10);
    EXPECT_EQ(BitmapTexture::levelCount(4), 2);
    EXPECT_EQ(BitmapTexture::levelCount(2), 1);
    EXPECT_EQ(BitmapTexture::levelCount(1), 1);
}

TEST(BitmapTextureTest, EveryPictureFormatGivesTheSameBottomUpTexels) {
    GLContext context;
    ASSERT_TRUE(context.ok());
    struct Case {
        const char* name;
        std::uint16_t id;
        int size;
    } cases[] = {
        {"24-bit", IDB_TEST_RGB24, 4},
        {"32-bit, fourth byte 0", IDB_TEST_RGB32, 4},
        {"32-bit top-down, fourth byte 0x80", IDB_TEST_RGB32_TOP_DOWN, 4},
        {"24-bit with padded rows", IDB_TEST_PADDED24, 2},
        {"24-bit, one pixel", IDB_TEST_SINGLE24, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        glActiveTexture(GL_TEXTURE3);  // the constructor must choose unit 0 itself
        BitmapTexture texture(c.id, c.size);

        GLint unit = 0, bound = 0;
        glGetIntegerv(GL_ACTIVE_TEXTURE, &unit);
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        EXPECT_EQ(unit, GL_TEXTURE0);
        EXPECT_EQ(static_cast<GLuint>(bound), texture.id());

        EXPECT_EQ(textureParameter(GL_TEXTURE_IMMUTABLE_FORMAT), GL_TRUE);
        EXPECT_EQ(textureParameter(GL_TEXTURE_IMMUTABLE_LEVELS), BitmapTexture::levelCount(c.size));
        GLint format = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_INTERNAL_FORMAT, &format);
        EXPECT_EQ(format, GL_RGBA32F);
        EXPECT_EQ(textureParameter(GL_TEXTURE_WRAP_S), GL_REPEAT);
        EXPECT_EQ(textureParameter(GL_TEXTURE_WRAP_T), GL_REPEAT);
        EXPECT_EQ(textureParameter(GL_TEXTURE_MIN_FILTER), GL_LINEAR);
        EXPECT_EQ(textureParameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
        EXPECT_EQ(textureParameter(GL_TEXTURE_BASE_LEVEL), 0);
        EXPECT_EQ(textureParameter(GL_TEXTURE_MAX_LEVEL), 0);

        const std::vector<float> texels = readLevelZero(c.size);
        for (int row = 0; row < c.size; ++row) {
            for (int x = 0; x < c.size; ++x) {
                float rgb[3];
                testPixel(x, c.size - 1 - row, c.size, rgb);  // texture row 0 is the picture's bottom
                const float* t = &texels[(static_cast<std::size_t>(row) * c.size + x) * 4];
                EXPECT_EQ(t[0], rgb[0]) << "texel " << x << ", " << row;
                EXPECT_EQ(t[1], rgb[1]) << "texel " << x << ", " << row;
                EXPECT_EQ(t[2], rgb[2]) << "texel " << x << ", " << row;
                EXPECT_EQ(t[3], 1.0f) << "texel " << x << ", " << row;
            }
        }
        if (c.size >= 2) {
            const float* bottomLeft = &texels[0];
            const float* topLeft = &texels[static_cast<std::size_t>(c.size - 1) * c.size * 4];
            EXPECT_EQ(std::vector<float>(bottomLeft, bottomLeft + 4), (std::vector<float>{1, 0, 0, 1}));
            EXPECT_EQ(std::vector<float>(topLeft, topLeft + 4), (std::vector<float>{1, 1, 1, 1}));
        }
        const GLuint name = texture.id();
        glDeleteTextures(1, &name);
    }
}

// Texels of the generated scene pictures whose bytes were read out of the files apart
// from the saver's reader: x, texture row (0 at the bottom), R, G, B.
struct KnownTexel {
    int x, row;
    std::uint8_t rgb[3];
};
constexpr int kKnownTexels = 4;
const KnownTexel kBackgroundTexels[kKnownTexels] = {
    {0, 2047, {7, 9, 29}}, {1290, 767, {156, 94, 118}}, {300, 547, {87, 53, 53}}, {1024, 0, {11, 13, 36}}};
const KnownTexel kAtlasTexels[kKnownTexels] = {
    {128, 895, {255, 0, 0}},  // tile 0's middle, at the top left
    {128, 127, {0, 0, 0}},    // tile 12's middle, at the bottom left
    {255, 923, {128, 128, 128}},
    {640, 639, {255, 0, 0}}};

TEST(BitmapTextureTest, ScenePicturesGiveEveryTexelAsTheDividedBytes) {
    GLContext context;
    ASSERT_TRUE(context.ok());
    struct Picture {
        std::uint16_t id;
        int size;
        const KnownTexel* known;
    } pictures[] = {{IDB_BACKGROUND, 2048, kBackgroundTexels}, {IDB_HEIGHT_ATLAS, 1024, kAtlasTexels}};
    for (auto [id, size, known] : pictures) {
        SCOPED_TRACE(id);
        BitmapTexture texture(id, size);
        const std::vector<float> texels = readLevelZero(size);
        // The comparison below shares the saver's reader; these do not, so a picture
        // read upside down, mirrored or with its channels swapped fails here.
        for (int k = 0; k < kKnownTexels; ++k) {
            const float* t = &texels[(static_cast<std::size_t>(known[k].row) * size + known[k].x) * 4];
            for (int c = 0; c < 3; ++c) {
                volatile float expected = known[k].rgb[c] / 255.0f;
                EXPECT_EQ(t[c], expected) << "texel " << known[k].x << ", " << known[k].row << " channel " << c;
            }
        }
        std::vector<std::uint8_t> bytes;
        ASSERT_TRUE(platform::loadBitmapPixels(id, size, size, bytes));
        std::size_t wrong = 0, first = 0;
        for (std::size_t p = 0; p < bytes.size() / 4; ++p) {
            volatile float expected[4] = {bytes[4 * p + 2] / 255.0f, bytes[4 * p + 1] / 255.0f, bytes[4 * p] / 255.0f,
                                          1.0f};
            for (int c = 0; c < 4; ++c) {
                if (texels[4 * p + c] == expected[c]) continue;
                if (wrong++ == 0) first = p;
            }
        }
        EXPECT_EQ(wrong, 0u) << "first at texel " << first % size << ", " << first / size;
        const GLuint name = texture.id();
        glDeleteTextures(1, &name);
    }
}

TEST(BitmapTextureTest, AnUnreadablePictureGivesTransparentBlack) {
    GLContext context;
    ASSERT_TRUE(context.ok());
    constexpr int kSize = 16;
    {
        // Leaves non-zero floats where the texture's buffer is likely to be allocated.
        std::unique_ptr<float[]> dirt(new float[kSize * kSize * 4]);
        std::fill_n(dirt.get(), kSize * kSize * 4, 0.5f);
        volatile float keep = dirt[kSize];
        (void)keep;
    }
    BitmapTexture texture(1099, kSize);  // no such resource
    const std::vector<float> texels = readLevelZero(kSize);
    EXPECT_EQ(texels, std::vector<float>(texels.size(), 0.0f));
    const GLuint name = texture.id();
    glDeleteTextures(1, &name);
}

}  // namespace
}  // namespace ondalith::test
