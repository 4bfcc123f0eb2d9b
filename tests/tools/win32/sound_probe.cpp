// Loads the click into the system's sound device the way the saver does, with a window
// of its own, and prints "load 1" or "load 0" and the device's answer.
#include <windows.h>

#include <cstdint>
#include <cstdio>

#include "platform/sound_device.h"
#include "resource_ids.h"
#include "sound/direct_sound.h"

int main() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "OndalithSoundProbe";
    RegisterClassA(&wc);
    HWND window = CreateWindowExA(0, wc.lpszClassName, "sound probe", WS_OVERLAPPEDWINDOW, 0, 0, 64, 64, nullptr,
                                  nullptr, wc.hInstance, nullptr);
    if (!window) {
        std::printf("no window\n");
        return 2;
    }

    int loaded = 0;
    {
        ondalith::CDirectSound sound;
        std::uintptr_t handle = reinterpret_cast<std::uintptr_t>(window);
        loaded = sound.LoadFromResource(IDW_CLICK, &handle);
    }
    // The device's own answer, for the log: the load keeps its result to itself.
    ondalith::platform::SoundDevice* device = nullptr;
    const ondalith::platform::SoundResult r = ondalith::platform::nativeSoundSystem().createDevice(&device);
    if (device) device->release();

    std::printf("load %d\ndevice 0x%08lx\n", loaded, static_cast<unsigned long>(static_cast<std::uint32_t>(r)));
    std::fflush(stdout);
    DestroyWindow(window);
    return loaded ? 0 : 1;
}
