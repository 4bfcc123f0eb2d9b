#pragma once
// A WAVE resource loaded into a static sound buffer; nothing ever plays it.
#include <cstdint>

namespace ondalith {

class CDirectSound {
public:
    CDirectSound();
    virtual ~CDirectSound();
    int LoadFromResource(std::uint16_t id, void* window);
};

}  // namespace ondalith
