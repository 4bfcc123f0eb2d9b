// Arbitrary bytes as a picture file. The size asked is taken from the first four
// bytes so that the fuzzer can also reach the decoding past the size check. The
// file's bytes from its info header on are the picture as a Windows resource holds
// it, so every input also goes to the header-less entry.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/bmp_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return 0;
    const int width = (data[0] | data[1] << 8) % 300;
    const int height = (data[2] | data[3] << 8) % 300;
    const std::size_t expected = static_cast<std::size_t>(width) * height * 4;
    std::vector<std::uint8_t> pixels;
    std::string reason;
    if (ondalith::platform::decodeBmp(data + 4, size - 4, width, height, pixels, reason) && pixels.size() != expected)
        __builtin_trap();
    if (size >= 4 + 14 &&
        ondalith::platform::decodeDib(data + 4 + 14, size - 4 - 14, width, height, pixels, reason) &&
        pixels.size() != expected)
        __builtin_trap();
    return 0;
}
