// Feeds arbitrary bytes to the wave chunk walk. The input is copied into a buffer of
// exactly its size so that the sanitizers catch any read past the end, and every
// pointer the walk returns must lie, with its length, inside that buffer.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "sound/wave_chunks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> bytes(data, data + size);
    ondalith::WaveChunks out;
    if (!ondalith::parseWaveChunks(bytes.data(), bytes.size(), out)) {
        if (out.format || out.samples || out.sampleSize) std::abort();
        return 0;
    }
    const std::uint8_t* begin = bytes.data();
    const std::uint8_t* end = begin + bytes.size();
    if (!out.format || out.format < begin + 20 || end - out.format < 14) std::abort();
    if (!out.samples || out.samples < begin + 20 || std::size_t(end - out.samples) < out.sampleSize) std::abort();
    // Touch every byte handed out, as the buffer fill would.
    volatile std::uint8_t sum = 0;
    for (std::uint32_t i = 0; i < out.sampleSize; ++i) sum = sum + out.samples[i];
    for (int i = 0; i < 14; ++i) sum = sum + out.format[i];
    return 0;
}
