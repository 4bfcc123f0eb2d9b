#pragma once
// The walk over a RIFF/WAVE resource to its format record and its samples.
#include <cstddef>
#include <cstdint>

namespace ondalith {

struct WaveChunks {
    const std::uint8_t* format = nullptr;   // body of the "fmt " chunk, at least 14 bytes
    const std::uint8_t* samples = nullptr;  // body of the "data" chunk
    std::uint32_t sampleSize = 0;
};

// Finds the first "fmt " chunk (a later one is skipped) and the "data" chunk that
// completes the pair; both point into `bytes`. The walk stops with success at whichever
// of the two comes second. A chunk whose header or body would run past the end of the
// bytes or of the RIFF data is never read: the walk fails there. On failure `out` is
// empty.
bool parseWaveChunks(const std::uint8_t* bytes, std::size_t size, WaveChunks& out);

}  // namespace ondalith
