#include <windows.h>
#include <mmsystem.h>
#include <dsound.h>

#include "platform/sound_device.h"

namespace ondalith::platform {

static_assert(sizeof(void*) != 4 || sizeof(DSBUFFERDESC) == 36, "the 32-bit buffer description has 36 bytes");
static_assert(kSoundBufferStatic == DSBCAPS_STATIC, "static buffer flag");

namespace {

class DirectSoundBuffer final : public SoundBuffer {
public:
    explicit DirectSoundBuffer(IDirectSoundBuffer* buffer) : buffer(buffer) {}

    SoundResult lockEntire(void** part, std::uint32_t* length) override {
        DWORD bytes = 0;
        HRESULT r = buffer->Lock(0, 0, part, &bytes, nullptr, nullptr, DSBLOCK_ENTIREBUFFER);
        *length = bytes;
        return r;
    }
    SoundResult unlock(void* part, std::uint32_t length) override {
        return buffer->Unlock(part, length, nullptr, 0);
    }
    SoundResult restore() override { return buffer->Restore(); }
    void release() override {
        buffer->Release();
        delete this;
    }

private:
    IDirectSoundBuffer* buffer;
};

class DirectSoundDevice final : public SoundDevice {
public:
    explicit DirectSoundDevice(IDirectSound* device) : device(device) {}

    SoundResult setCooperativeLevelNormal(std::uintptr_t window) override {
        return device->SetCooperativeLevel(reinterpret_cast<HWND>(window), DSSCL_NORMAL);
    }
    SoundResult createSoundBuffer(const void* format, std::uint32_t bytes, std::uint32_t flags,
                                  SoundBuffer** buffer) override {
        *buffer = nullptr;
        DSBUFFERDESC description;
        ZeroMemory(&description, sizeof description);
        description.dwSize = sizeof description;
        description.dwFlags = flags;
        description.dwBufferBytes = bytes;
        // DirectSound only reads the format; the record stays in the resource.
        description.lpwfxFormat = static_cast<WAVEFORMATEX*>(const_cast<void*>(format));
        IDirectSoundBuffer* created = nullptr;
        HRESULT r = device->CreateSoundBuffer(&description, &created, nullptr);
        if (SUCCEEDED(r) && created) *buffer = new DirectSoundBuffer(created);
        return r;
    }
    void release() override {
        device->Release();
        delete this;
    }

private:
    IDirectSound* device;
};

class DirectSoundSystem final : public SoundSystem {
public:
    SoundResult createDevice(SoundDevice** device) override {
        *device = nullptr;
        IDirectSound* opened = nullptr;
        HRESULT r = DirectSoundCreate(nullptr, &opened, nullptr);
        if (SUCCEEDED(r) && opened) *device = new DirectSoundDevice(opened);
        return r;
    }
    // The saver's window (or its preview child) already exists while the device is
    // retried: a plain sleep would leave it unanswered for seconds, black, deaf to keys
    // and "Not Responding" to the system, with a preview's host stalled behind it. So the
    // thread's messages are handled while the pause runs; a key still ends the saver.
    void sleep(std::uint32_t milliseconds) override {
        const DWORD start = GetTickCount();
        bool quit = false;
        int quitCode = 0;
        for (;;) {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                if (message.message == WM_QUIT) {
                    quit = true;  // for the loop that owns the thread, after the pause
                    quitCode = static_cast<int>(message.wParam);
                    continue;
                }
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            const DWORD elapsed = GetTickCount() - start;
            if (elapsed >= milliseconds) break;
            MsgWaitForMultipleObjectsEx(0, nullptr, milliseconds - elapsed, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        }
        if (quit) PostQuitMessage(quitCode);
    }
};

}  // namespace

SoundSystem& nativeSoundSystem() {
    static DirectSoundSystem system;
    return system;
}

}  // namespace ondalith::platform
