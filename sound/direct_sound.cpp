#include "sound/direct_sound.h"

#include <algorithm>
#include <cstring>

#include "platform/resources.h"
#include "sound/wave_chunks.h"

namespace ondalith {

platform::SoundDevice* CDirectSound::sharedDevice = nullptr;
std::int32_t CDirectSound::instanceCount = 0;

namespace {
// Another program may hold the device, or its driver may still be starting: the saver
// waits up to 4.5 s for it rather than failing at once.
constexpr int kDeviceAttempts = 10;
constexpr std::uint32_t kDeviceRetryPauseMs = 500;
}  // namespace

CDirectSound::CDirectSound() { ++instanceCount; }

CDirectSound::~CDirectSound() {
    if (buffer) buffer->release();
    if (--instanceCount == 0 && sharedDevice) {
        sharedDevice->release();
        sharedDevice = nullptr;
    }
}

int CDirectSound::LoadFromResource(std::uint16_t id, void* window) {
    const auto resource = platform::findResource(platform::ResourceType::Wave, id);
    if (!resource) return 0;
    const std::uintptr_t handle = window ? *static_cast<const std::uintptr_t*>(window) : 0;
    return LoadFromBytes(resource->data, resource->size, handle);
}

int CDirectSound::LoadFromBytes(const std::uint8_t* bytes, std::size_t size, std::uintptr_t window) {
    DeviceStep step = attemptDevice(0, window);
    for (int attempt = 1; step == DeviceStep::TryAgain; ++attempt) {
        platform::activeSoundSystem().sleep(kDeviceRetryPauseMs);
        step = attemptDevice(attempt, window);
    }
    return step == DeviceStep::Open ? loadIntoBuffer(bytes, size) : 0;
}

CDirectSound::LoadProgress CDirectSound::BeginLoadFromResource(std::uint16_t id, void* window, double now) {
    loadPending = false;
    const auto resource = platform::findResource(platform::ResourceType::Wave, id);
    if (!resource) return LoadProgress::Failed;
    const std::uintptr_t handle = window ? *static_cast<const std::uintptr_t*>(window) : 0;
    pending = PendingLoad{resource->data, resource->size, handle, 0, now};
    loadPending = true;
    return ContinueLoad(now);
}

CDirectSound::LoadProgress CDirectSound::ContinueLoad(double now) {
    if (!loadPending) return buffer ? LoadProgress::Loaded : LoadProgress::Failed;
    if (now < pending.nextAttempt) return LoadProgress::Waiting;
    const DeviceStep step = attemptDevice(pending.attempts++, pending.window);
    if (step == DeviceStep::TryAgain) {
        pending.nextAttempt = now + kDeviceRetryPauseMs / 1000.0;
        return LoadProgress::Waiting;
    }
    loadPending = false;
    if (step == DeviceStep::Failed) return LoadProgress::Failed;
    return loadIntoBuffer(pending.bytes, pending.size) ? LoadProgress::Loaded : LoadProgress::Failed;
}

int CDirectSound::loadIntoBuffer(const std::uint8_t* bytes, std::size_t size) {
    WaveChunks chunks;
    if (!parseWaveChunks(bytes, size, chunks)) return 0;
    sampleData = chunks.samples;
    sampleSize = chunks.sampleSize;

    if (buffer) {
        buffer->release();
        buffer = nullptr;
    }
    platform::SoundBuffer* created = nullptr;
    const platform::SoundResult r =
        sharedDevice->createSoundBuffer(chunks.format, sampleSize, platform::kSoundBufferStatic, &created);
    if (!platform::soundSucceeded(r) || !created) {
        if (created) created->release();
        return 0;
    }
    buffer = created;
    if (!fillBuffer()) {
        buffer->release();
        buffer = nullptr;
        return 0;
    }
    return 1;
}

CDirectSound::DeviceStep CDirectSound::attemptDevice(int attempt, std::uintptr_t window) {
    if (sharedDevice) return DeviceStep::Open;
    platform::SoundDevice* device = nullptr;
    const platform::SoundResult r = platform::activeSoundSystem().createDevice(&device);
    if (platform::soundSucceeded(r) && device) {
        sharedDevice = device;
        sharedDevice->setCooperativeLevelNormal(window);  // result not checked: a silent saver needs no priority
        return DeviceStep::Open;
    }
    const bool mayAnswerLater = r == platform::kSoundAllocated || r == platform::kSoundNoDriver;
    return mayAnswerLater && attempt + 1 < kDeviceAttempts ? DeviceStep::TryAgain : DeviceStep::Failed;
}

bool CDirectSound::fillBuffer() {
    void* part = nullptr;
    std::uint32_t length = 0;
    platform::SoundResult r = buffer->lockEntire(&part, &length);
    if (r == platform::kSoundBufferLost) {
        buffer->restore();
        r = buffer->lockEntire(&part, &length);
    }
    if (!platform::soundSucceeded(r)) return false;
    // The device may round the buffer up; never read past the samples in the resource.
    const std::uint32_t copied = std::min(length, sampleSize);
    if (copied > 0) std::memcpy(part, sampleData, copied);
    return platform::soundSucceeded(buffer->unlock(part, length));
}

}  // namespace ondalith
