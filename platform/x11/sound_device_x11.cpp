// The saver is silent, so Linux opens no audio device: this stand-in keeps the
// operations' contracts (a buffer of the asked size that locks, fills and unlocks)
// in process memory.
#include <chrono>
#include <thread>
#include <vector>

#include "platform/sound_device.h"

namespace ondalith::platform {

namespace {

// The sizes a real device accepts for a secondary buffer.
constexpr std::uint32_t kMinBufferBytes = 4;
constexpr std::uint32_t kMaxBufferBytes = 0x0FFFFFFF;

class MemorySoundBuffer final : public SoundBuffer {
public:
    explicit MemorySoundBuffer(std::uint32_t bytes) : bytes(bytes) {}

    SoundResult lockEntire(void** part, std::uint32_t* length) override {
        *part = bytes.data();
        *length = static_cast<std::uint32_t>(bytes.size());
        return kSoundOk;
    }
    SoundResult unlock(void* part, std::uint32_t length) override {
        return part == bytes.data() && length <= bytes.size() ? kSoundOk : kSoundInvalidParam;
    }
    SoundResult restore() override { return kSoundOk; }
    void release() override { delete this; }

private:
    std::vector<std::uint8_t> bytes;
};

class MemorySoundDevice final : public SoundDevice {
public:
    SoundResult setCooperativeLevelNormal(std::uintptr_t) override { return kSoundOk; }
    SoundResult createSoundBuffer(const void* format, std::uint32_t bytes, std::uint32_t,
                                  SoundBuffer** buffer) override {
        *buffer = nullptr;
        if (!format || bytes < kMinBufferBytes || bytes > kMaxBufferBytes) return kSoundInvalidParam;
        *buffer = new MemorySoundBuffer(bytes);
        return kSoundOk;
    }
    void release() override { delete this; }
};

class MemorySoundSystem final : public SoundSystem {
public:
    SoundResult createDevice(SoundDevice** device) override {
        *device = new MemorySoundDevice();
        return kSoundOk;
    }
    void sleep(std::uint32_t milliseconds) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
};

}  // namespace

SoundSystem& nativeSoundSystem() {
    static MemorySoundSystem system;
    return system;
}

}  // namespace ondalith::platform
