#include "sound/wave_chunks.h"

#include <algorithm>
#include <cstring>

namespace ondalith {

namespace {

constexpr std::uint32_t kMinFormatBytes = 14;

std::uint32_t readLe32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 | std::uint32_t(p[3]) << 24;
}

bool isTag(const std::uint8_t* p, const char* tag) { return std::memcmp(p, tag, 4) == 0; }

}  // namespace

bool parseWaveChunks(const std::uint8_t* bytes, std::size_t size, WaveChunks& out) {
    out = WaveChunks{};
    if (!bytes || size < 12 || !isTag(bytes, "RIFF") || !isTag(bytes + 8, "WAVE")) return false;

    // The RIFF size may claim more than the resource holds; the smaller end bounds the walk.
    const std::uint64_t end = std::min<std::uint64_t>(size, 8 + std::uint64_t(readLe32(bytes + 4)));
    WaveChunks found;
    std::uint64_t pos = 12;
    while (pos < end) {
        if (end - pos < 8) return false;
        const std::uint8_t* header = bytes + pos;
        const std::uint32_t bodySize = readLe32(header + 4);
        if (bodySize > end - pos - 8) return false;
        const std::uint8_t* body = header + 8;

        if (isTag(header, "fmt ")) {
            if (!found.format) {
                if (bodySize < kMinFormatBytes) return false;
                found.format = body;
                if (found.samples && found.sampleSize != 0) {
                    out = found;
                    return true;
                }
            }
        } else if (isTag(header, "data")) {
            found.samples = body;
            found.sampleSize = bodySize;
            if (found.format) {
                out = found;
                return true;
            }
        }
        pos += 8 + std::uint64_t(bodySize) + (bodySize & 1);
    }
    return false;
}

}  // namespace ondalith
