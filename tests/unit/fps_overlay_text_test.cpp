// What the frame-rate box says, and the glyphs it is written with.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "render/fps_overlay.h"
#include "render/frame_rate.h"
#include "render/glyph_font.h"
#include "resource_ids.h"

namespace ondalith {
namespace {

TEST(FrameRateTest, AveragesPresentedFramesOverAboutASecond) {
    FrameRate rate;
    for (int i = 0; i <= 59; ++i) rate.presented(10.0 + i / 60.0);
    EXPECT_FALSE(rate.known());  // 59 intervals: not yet a second
    rate.presented(11.0);
    ASSERT_TRUE(rate.known());
    EXPECT_NEAR(rate.perSecond(), 60.0, 1e-9);
    for (int i = 1; i <= 6; ++i) rate.presented(11.0 + i * 0.25);  // slows to 4 a second
    EXPECT_NEAR(rate.perSecond(), 4.0, 1e-9);
}

TEST(FrameRateTest, AStillOrBackwardClockDividesByNothing) {
    FrameRate rate;
    for (int i = 0; i < 1000; ++i) rate.presented(0.0);
    EXPECT_FALSE(rate.known());
    EXPECT_STREQ(FpsOverlay::text(rate, 0.0f).lines[0], "FPS: --");

    FrameRate back;
    back.presented(5.0);
    back.presented(4.0);  // restarts the window rather than counting a negative second
    back.presented(4.5);
    EXPECT_FALSE(back.known());
    back.presented(5.0);
    EXPECT_NEAR(back.perSecond(), 2.0, 1e-9);
}

TEST(FpsOverlayTextTest, ShowsTheRateAndTheTimeInTheEmbeddedGlyphs) {
    FrameRate rate;
    rate.presented(0.0);
    for (int i = 1; i <= 600; ++i) rate.presented(i * 1.001 / 600);
    const FpsOverlay::Text said = FpsOverlay::text(rate, 1234.5678f);
    EXPECT_STREQ(said.lines[0], "FPS: 599.4");
    EXPECT_STREQ(said.lines[1], "t: 1234.57 s");
    FrameRate slow;
    slow.presented(0.0);
    slow.presented(1.28);
    EXPECT_STREQ(FpsOverlay::text(slow, 0.0f).lines[0], "FPS: 0.78");

    GlyphFont font;
    ASSERT_TRUE(loadGlyphFont(IDT_FPS_GLYPHS, font));
    for (char c : std::string("FPS:-.0123456789ts")) EXPECT_GE(font.indexOf(c), 0) << c;
    EXPECT_EQ(font.indexOf(' '), -1);  // the blank is drawn as nothing
    EXPECT_EQ(font.atlas.size(), static_cast<std::size_t>(font.atlasWidth() * font.glyphHeight));
}

TEST(GlyphFontTest, RejectsAMalformedText) {
    const char* good = "3 2 4 3\nA\n#.#\n.#.\nB\n###\n...\n";
    GlyphFont font;
    ASSERT_TRUE(parseGlyphFont(good, std::strlen(good), font));
    EXPECT_EQ(font.characters, "AB");
    EXPECT_EQ(font.atlas, (std::vector<std::uint8_t>{255, 0, 255, 255, 255, 255, 0, 255, 0, 0, 0, 0}));
    for (const char* bad : {"", "3 2 4\nA\n#.#\n.#.\n", "3 2 2 3\nA\n#.#\n.#.\n", "1 2 4 3\nA\n#\n.\n",
                            "3 2 4 3\nA\n#.#\n", "3 2 4 3\nA\n#.#\n.#\n", "3 2 4 3\nA\n#x#\n.#.\n",
                            "3 2 4 3\nA\n#.#\n.#.\nA\n###\n...\n", "3 2 4 3\nAB\n#.#\n.#.\n", "3 2 4 3\n"}) {
        GlyphFont f;
        EXPECT_FALSE(parseGlyphFont(bad, std::strlen(bad), f)) << bad;
        EXPECT_TRUE(f.characters.empty() && f.atlas.empty()) << bad;
    }
}

}  // namespace
}  // namespace ondalith
