#pragma once
// The sound device: the default output device, its static secondary buffers, and the
// pause between attempts to open it. Results are 32-bit codes in the system's
// convention: negative means failure, 0 and above success.
#include <cstdint>

namespace ondalith::platform {

using SoundResult = std::int32_t;

constexpr SoundResult kSoundOk = 0;
constexpr SoundResult kSoundAllocated = static_cast<SoundResult>(0x8878000Au);   // device busy
constexpr SoundResult kSoundNoDriver = static_cast<SoundResult>(0x88780078u);    // no driver
constexpr SoundResult kSoundBufferLost = static_cast<SoundResult>(0x88780096u);  // needs Restore
constexpr SoundResult kSoundInvalidParam = static_cast<SoundResult>(0x80070057u);

// The one buffer capability the saver asks for: the whole sound is written once.
constexpr std::uint32_t kSoundBufferStatic = 0x00000002u;

inline bool soundSucceeded(SoundResult r) { return r >= 0; }

class SoundBuffer {
public:
    // Locks the entire buffer; *length is the buffer's size in bytes.
    virtual SoundResult lockEntire(void** part, std::uint32_t* length) = 0;
    virtual SoundResult unlock(void* part, std::uint32_t length) = 0;
    // Makes a lost buffer usable again; its contents must be written anew.
    virtual SoundResult restore() = 0;
    virtual void release() = 0;

protected:
    ~SoundBuffer() = default;
};

class SoundDevice {
public:
    virtual SoundResult setCooperativeLevelNormal(std::uintptr_t window) = 0;
    // format points at a wave format record (at least 14 bytes) that the caller keeps
    // alive; on failure *buffer is left null.
    virtual SoundResult createSoundBuffer(const void* format, std::uint32_t bytes, std::uint32_t flags,
                                          SoundBuffer** buffer) = 0;
    virtual void release() = 0;

protected:
    ~SoundDevice() = default;
};

class SoundSystem {
public:
    // Opens the default device; on failure *device is left null.
    virtual SoundResult createDevice(SoundDevice** device) = 0;
    // The pause between attempts to open the device. The calling thread's windows go on
    // handling their messages meanwhile, so input during the pause acts as at any time.
    virtual void sleep(std::uint32_t milliseconds) = 0;

protected:
    ~SoundSystem() = default;
};

// The operating system's own sound service.
SoundSystem& nativeSoundSystem();

// The service every load uses: the native one unless a test has put its own in place
// (null puts the native one back).
SoundSystem& activeSoundSystem();
void setActiveSoundSystem(SoundSystem* system);

}  // namespace ondalith::platform
