#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/resources.h"
#include "resource_ids.h"
#include "sound/wave_chunks.h"

namespace ondalith {
namespace {

using Bytes = std::vector<std::uint8_t>;

void put32(Bytes& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(std::uint8_t(v >> (8 * i)));
}

// A chunk with the given body; `declared` overrides the size field (a lying header).
Bytes chunk(const char* id, std::size_t bodySize, std::uint8_t fill = 0x5A, long declared = -1) {
    Bytes b(id, id + 4);
    put32(b, declared < 0 ? std::uint32_t(bodySize) : std::uint32_t(declared));
    b.insert(b.end(), bodySize, fill);
    if (bodySize % 2) b.push_back(0);  // pad byte
    return b;
}

// "RIFF", size, "WAVE" and the chunks; `riffSize` overrides the honest size.
Bytes wave(const std::vector<Bytes>& chunks, long riffSize = -1) {
    Bytes body{'W', 'A', 'V', 'E'};
    for (const Bytes& c : chunks) body.insert(body.end(), c.begin(), c.end());
    Bytes b{'R', 'I', 'F', 'F'};
    put32(b, riffSize < 0 ? std::uint32_t(body.size()) : std::uint32_t(riffSize));
    b.insert(b.end(), body.begin(), body.end());
    return b;
}

bool parse(const Bytes& b, WaveChunks& out) { return parseWaveChunks(b.data(), b.size(), out); }

std::size_t offsetOf(const Bytes& b, const std::uint8_t* p) { return std::size_t(p - b.data()); }

TEST(WaveChunksTest, FindsFormatAndDataInEitherOrder) {
    const Bytes formatFirst = wave({chunk("fmt ", 16, 1), chunk("data", 100, 2)});
    WaveChunks out;
    ASSERT_TRUE(parse(formatFirst, out));
    EXPECT_EQ(offsetOf(formatFirst, out.format), 20u);
    EXPECT_EQ(offsetOf(formatFirst, out.samples), 44u);
    EXPECT_EQ(out.sampleSize, 100u);

    const Bytes dataFirst = wave({chunk("data", 100, 2), chunk("fmt ", 16, 1)});
    ASSERT_TRUE(parse(dataFirst, out));
    EXPECT_EQ(offsetOf(dataFirst, out.samples), 20u);
    EXPECT_EQ(offsetOf(dataFirst, out.format), 128u);
    EXPECT_EQ(out.sampleSize, 100u);
}

TEST(WaveChunksTest, RejectsWrongHeaders) {
    WaveChunks out;
    Bytes notRiff = wave({chunk("fmt ", 16), chunk("data", 8)});
    notRiff[0] = 'R', notRiff[3] = 'X';
    EXPECT_FALSE(parse(notRiff, out));
    Bytes notWave = wave({chunk("fmt ", 16), chunk("data", 8)});
    std::memcpy(notWave.data() + 8, "AVI ", 4);
    EXPECT_FALSE(parse(notWave, out));
    EXPECT_EQ(out.format, nullptr);
    EXPECT_EQ(out.samples, nullptr);
    EXPECT_EQ(out.sampleSize, 0u);
}

TEST(WaveChunksTest, FormatNeedsFourteenBytes) {
    WaveChunks out;
    EXPECT_FALSE(parse(wave({chunk("fmt ", 13), chunk("data", 8)}), out));
    EXPECT_TRUE(parse(wave({chunk("fmt ", 14), chunk("data", 8)}), out));
    // A second format chunk is skipped, however short.
    EXPECT_TRUE(parse(wave({chunk("fmt ", 16), chunk("fmt ", 2), chunk("data", 8)}), out));
}

TEST(WaveChunksTest, OddChunkIsFollowedByPadByte) {
    const Bytes b = wave({chunk("LIST", 5), chunk("fmt ", 16), chunk("junk", 3), chunk("data", 7, 9)});
    WaveChunks out;
    ASSERT_TRUE(parse(b, out));
    EXPECT_EQ(offsetOf(b, out.format), 12u + 14 + 8);
    EXPECT_EQ(offsetOf(b, out.samples), 12u + 14 + 24 + 12 + 8);
    EXPECT_EQ(out.sampleSize, 7u);
}

TEST(WaveChunksTest, LaterDataReplacesEarlierWhileNoFormat) {
    const Bytes b = wave({chunk("data", 10, 1), chunk("data", 20, 2), chunk("fmt ", 16)});
    WaveChunks out;
    ASSERT_TRUE(parse(b, out));
    EXPECT_EQ(out.sampleSize, 20u);
    EXPECT_EQ(out.samples[0], 2);
    // An empty data chunk before the format does not complete the pair; a later one does.
    const Bytes empty = wave({chunk("data", 0), chunk("fmt ", 16), chunk("data", 4, 3)});
    ASSERT_TRUE(parse(empty, out));
    EXPECT_EQ(out.sampleSize, 4u);
    EXPECT_EQ(out.samples[0], 3);
}

TEST(WaveChunksTest, FailsWithoutBothChunks) {
    WaveChunks out;
    EXPECT_FALSE(parse(wave({chunk("fmt ", 16)}), out));
    EXPECT_FALSE(parse(wave({chunk("data", 16)}), out));
    EXPECT_FALSE(parse(wave({}), out));
}

TEST(WaveChunksTest, TruncatedResourcesFail) {
    const Bytes whole = wave({chunk("fmt ", 16), chunk("data", 64)});
    WaveChunks out;
    for (std::size_t size = 0; size < whole.size(); ++size) {
        // Copy, so that the sanitizers see any read past `size`.
        const Bytes cut(whole.begin(), whole.begin() + long(size));
        EXPECT_FALSE(parse(cut, out)) << "size " << size;
    }
    EXPECT_TRUE(parse(whole, out));
}

TEST(WaveChunksTest, ChunkSizesThatLieFail) {
    WaveChunks out;
    // A data size past the resource end, before and after the format.
    EXPECT_FALSE(parse(wave({chunk("fmt ", 16), chunk("data", 8, 0, 9)}), out));
    EXPECT_FALSE(parse(wave({chunk("fmt ", 16), chunk("data", 8, 0, 0xFFFFFFF0)}), out));
    EXPECT_FALSE(parse(wave({chunk("data", 8, 0, 0x7FFFFFFF), chunk("fmt ", 16)}), out));
    // A skipped chunk whose size would wrap the position around.
    EXPECT_FALSE(parse(wave({chunk("junk", 4, 0, 0xFFFFFFFF), chunk("fmt ", 16), chunk("data", 8)}), out));
    // A format size that runs past the end.
    EXPECT_FALSE(parse(wave({chunk("fmt ", 14, 0, 40)}), out));
}

TEST(WaveChunksTest, RiffSizeBoundsTheWalk) {
    WaveChunks out;
    const Bytes honest = wave({chunk("fmt ", 16), chunk("data", 8)});
    // The data chunk lies past the RIFF data: never read.
    EXPECT_FALSE(parse(wave({chunk("fmt ", 16), chunk("data", 8)}, 4 + 24), out));
    // Ends inside the data body.
    EXPECT_FALSE(parse(wave({chunk("fmt ", 16), chunk("data", 8)}, honest.size() - 8 - 1), out));
    // A RIFF size beyond the resource is cut to the resource.
    EXPECT_TRUE(parse(wave({chunk("fmt ", 16), chunk("data", 8)}, 0xFFFFFFFF), out));
    // Trailing bytes after the RIFF data are not chunks.
    Bytes trailing = wave({chunk("fmt ", 16)});
    const Bytes extra = chunk("data", 8);
    trailing.insert(trailing.end(), extra.begin(), extra.end());
    EXPECT_FALSE(parse(trailing, out));
}

TEST(WaveChunksTest, ClickResourceHasTheExpectedLayout) {
    const auto resource = platform::findResource(platform::ResourceType::Wave, IDW_CLICK);
    ASSERT_TRUE(resource.has_value());
    WaveChunks out;
    ASSERT_TRUE(parseWaveChunks(resource->data, resource->size, out));
    EXPECT_EQ(out.format - resource->data, 20);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(out.format) - 8, 8), std::string("fmt \x10\0\0\0", 8));
    const std::uint8_t pcmMono44k16[16] = {1, 0, 1, 0, 0x44, 0xAC, 0, 0, 0x88, 0x58, 1, 0, 2, 0, 16, 0};
    EXPECT_EQ(std::memcmp(out.format, pcmMono44k16, 16), 0);
    ASSERT_EQ(out.sampleSize, 8784u);
    EXPECT_EQ(resource->size, 44u + 8784);

    std::vector<std::int16_t> samples(4392);
    std::memcpy(samples.data(), out.samples, 8784);
    int peak = 0, firstSound = -1, lastSound = -1;
    for (int i = 0; i < 4392; ++i) {
        peak = std::max(peak, std::abs(int(samples[i])));
        if (samples[i] != 0) {
            if (firstSound < 0) firstSound = i;
            lastSound = i;
        }
    }
    EXPECT_EQ(peak, 1303);
    EXPECT_GE(firstSound, 659);
    EXPECT_LT(firstSound, 700);
    EXPECT_LT(lastSound, 3720);
}

}  // namespace
}  // namespace ondalith
