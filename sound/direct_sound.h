#pragma once
// A WAVE resource loaded into a static sound buffer; nothing ever plays it. All
// instances share one sound device, opened by the first load that needs it and closed
// with the last instance.
#include <cstdint>

#include "platform/sound_device.h"

namespace ondalith {

class CDirectSound {
public:
    CDirectSound();
    virtual ~CDirectSound();

    // Loads WAVE resource `id` of the executable into a new static buffer. `window`
    // points at a std::uintptr_t that holds the native handle of the window the device
    // is tied to (as platform::nativeHandleOf gives it); null stands for handle 0.
    // Returns 1 on success, 0 on failure; a failed load leaves no buffer.
    int LoadFromResource(std::uint16_t id, void* window);

    // The load after the resource is found: device, chunk walk, buffer, fill.
    int LoadFromBytes(const std::uint8_t* bytes, std::size_t size, std::uintptr_t window);

    // The same load without the pauses: a caller that must not stop for seconds (the
    // main loop, between frames) begins it and then continues it now and then, with the
    // time in seconds. Each further attempt at a device that does not answer yet comes
    // with the first call at least 500 ms after the one before.
    enum class LoadProgress { Loaded, Failed, Waiting };
    LoadProgress BeginLoadFromResource(std::uint16_t id, void* window, double now);
    LoadProgress ContinueLoad(double now);

    static platform::SoundDevice* sharedDevice;
    static std::int32_t instanceCount;

private:
    enum class DeviceStep { Open, TryAgain, Failed };
    // One attempt at the shared device, `attempt` counting from 0.
    DeviceStep attemptDevice(int attempt, std::uintptr_t window);
    int loadIntoBuffer(const std::uint8_t* bytes, std::size_t size);
    bool fillBuffer();

    // A load begun and not yet over: what it loads and when its device is due again.
    struct PendingLoad {
        const std::uint8_t* bytes;
        std::size_t size;
        std::uintptr_t window;
        int attempts;
        double nextAttempt;
    };
    PendingLoad pending{};
    bool loadPending = false;

    const std::uint8_t* sampleData = nullptr;  // inside the resource, not owned
    std::uint32_t sampleSize = 0;
    platform::SoundBuffer* buffer = nullptr;
};

}  // namespace ondalith
