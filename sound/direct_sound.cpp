#include "sound/direct_sound.h"

namespace ondalith {

CDirectSound::CDirectSound() = default;
CDirectSound::~CDirectSound() = default;
int CDirectSound::LoadFromResource(std::uint16_t, void*) { return 0; }

}  // namespace ondalith
