// Any command line gives a defined mode and never reads past the end of its text.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "app/launch_options.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    char* text = static_cast<char*>(std::malloc(size + 1));
    std::memcpy(text, data, size);
    text[size] = '\0';
    const ondalith::LaunchOptions options = ondalith::parseCommandLine(text);
    if (options.mode < ondalith::Preview || options.mode > ondalith::None) std::abort();
    if (options.mode == ondalith::None && options.parentWindow != 0) std::abort();
    std::free(text);
    return 0;
}
