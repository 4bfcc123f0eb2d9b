#include "platform/sound_device.h"

namespace ondalith::platform {

namespace {
SoundSystem* active = nullptr;
}

SoundSystem& activeSoundSystem() { return active ? *active : nativeSoundSystem(); }

void setActiveSoundSystem(SoundSystem* system) { active = system; }

}  // namespace ondalith::platform
