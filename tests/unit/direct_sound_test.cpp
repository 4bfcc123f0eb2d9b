#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <vector>

#include "platform/sound_device.h"
#include "resource_ids.h"
#include "sound/direct_sound.h"

namespace ondalith {
namespace {

using platform::SoundResult;

// A sound system that answers from a script and records what it was asked.
struct FakeSound final : platform::SoundSystem {
    struct Buffer final : platform::SoundBuffer {
        FakeSound& owner;
        std::vector<std::uint8_t> memory;
        explicit Buffer(FakeSound& o, std::uint32_t bytes) : owner(o), memory(bytes + o.extraBufferBytes, 0xEE) {}
        SoundResult lockEntire(void** part, std::uint32_t* length) override {
            ++owner.locks;
            SoundResult r = platform::kSoundOk;
            if (!owner.lockResults.empty()) {
                r = owner.lockResults.front();
                owner.lockResults.pop_front();
            }
            if (platform::soundSucceeded(r)) {
                *part = memory.data();
                *length = std::uint32_t(memory.size());
            }
            return r;
        }
        SoundResult unlock(void* part, std::uint32_t length) override {
            ++owner.unlocks;
            owner.filled = memory;
            return part == memory.data() && length == memory.size() ? owner.unlockResult : platform::kSoundInvalidParam;
        }
        SoundResult restore() override {
            ++owner.restores;
            return platform::kSoundOk;
        }
        void release() override {
            --owner.liveBuffers;
            delete this;
        }
    };
    struct Device final : platform::SoundDevice {
        FakeSound& owner;
        explicit Device(FakeSound& o) : owner(o) {}
        SoundResult setCooperativeLevelNormal(std::uintptr_t window) override {
            owner.cooperativeWindows.push_back(window);
            return platform::kSoundInvalidParam;  // ignored by the load
        }
        SoundResult createSoundBuffer(const void* format, std::uint32_t bytes, std::uint32_t flags,
                                      platform::SoundBuffer** buffer) override {
            owner.lastFormat = format;
            owner.lastBytes = bytes;
            owner.lastFlags = flags;
            *buffer = nullptr;
            if (!platform::soundSucceeded(owner.createBufferResult)) return owner.createBufferResult;
            ++owner.liveBuffers;
            *buffer = new Buffer(owner, bytes);
            return platform::kSoundOk;
        }
        void release() override {
            --owner.liveDevices;
            delete this;
        }
    };

    std::deque<SoundResult> deviceResults;  // empty: success
    std::deque<SoundResult> lockResults;    // empty: success
    SoundResult createBufferResult = platform::kSoundOk;
    SoundResult unlockResult = platform::kSoundOk;
    std::uint32_t extraBufferBytes = 0;

    int deviceCalls = 0, liveDevices = 0, liveBuffers = 0, locks = 0, unlocks = 0, restores = 0;
    std::vector<std::uint32_t> sleeps;
    std::vector<std::uintptr_t> cooperativeWindows;
    const void* lastFormat = nullptr;
    std::uint32_t lastBytes = 0, lastFlags = 0;
    std::vector<std::uint8_t> filled;

    SoundResult createDevice(platform::SoundDevice** device) override {
        ++deviceCalls;
        *device = nullptr;
        SoundResult r = platform::kSoundOk;
        if (!deviceResults.empty()) {
            r = deviceResults.front();
            deviceResults.pop_front();
        }
        if (!platform::soundSucceeded(r)) return r;
        ++liveDevices;
        *device = new Device(*this);
        return r;
    }
    void sleep(std::uint32_t milliseconds) override { sleeps.push_back(milliseconds); }
};

// A small valid wave: 16-byte format, 6 sample bytes 1..6.
std::vector<std::uint8_t> smallWave() {
    const std::uint8_t b[] = {'R', 'I', 'F', 'F', 42, 0, 0, 0, 'W', 'A', 'V', 'E',
                              'f', 'm', 't', ' ', 16, 0, 0, 0, 1, 0, 1, 0, 0x44, 0xAC, 0, 0, 0x88, 0x58, 1, 0, 2, 0, 16, 0,
                              'd', 'a', 't', 'a', 6, 0, 0, 0, 1, 2, 3, 4, 5, 6};
    return std::vector<std::uint8_t>(b, b + sizeof b);
}

class DirectSoundTest : public ::testing::Test {
protected:
    void SetUp() override { platform::setActiveSoundSystem(&fake); }
    void TearDown() override {
        platform::setActiveSoundSystem(nullptr);
        EXPECT_EQ(CDirectSound::instanceCount, 0);
        EXPECT_EQ(CDirectSound::sharedDevice, nullptr);
        EXPECT_EQ(fake.liveDevices, 0);
        EXPECT_EQ(fake.liveBuffers, 0);
    }
    int load(CDirectSound& sound, std::uintptr_t window = 0x1234) {
        return sound.LoadFromBytes(wave.data(), wave.size(), window);
    }
    FakeSound fake;
    std::vector<std::uint8_t> wave = smallWave();
};

TEST_F(DirectSoundTest, LoadCreatesOneStaticBufferAndFillsIt) {
    CDirectSound sound;
    ASSERT_EQ(load(sound, 0xABCD), 1);
    EXPECT_EQ(fake.cooperativeWindows, std::vector<std::uintptr_t>{0xABCD});
    EXPECT_EQ(fake.lastFlags, platform::kSoundBufferStatic);
    EXPECT_EQ(fake.lastBytes, 6u);
    EXPECT_EQ(fake.lastFormat, wave.data() + 20);
    EXPECT_EQ(fake.filled, (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6}));
    EXPECT_TRUE(fake.sleeps.empty());
}

TEST_F(DirectSoundTest, DeviceRetriesWhileBusyOrWithoutDriver) {
    fake.deviceResults.assign(9, platform::kSoundAllocated);
    CDirectSound first;
    EXPECT_EQ(load(first), 1);
    EXPECT_EQ(fake.deviceCalls, 10);
    EXPECT_EQ(fake.sleeps, std::vector<std::uint32_t>(9, 500));

    // Ten answers of "no driver" exhaust the attempts; the next load tries again.
    CDirectSound::sharedDevice->release();
    CDirectSound::sharedDevice = nullptr;
    fake.deviceCalls = 0;
    fake.sleeps.clear();
    fake.deviceResults.assign(10, platform::kSoundNoDriver);
    CDirectSound second;
    EXPECT_EQ(load(second), 0);
    EXPECT_EQ(fake.deviceCalls, 10);
    EXPECT_EQ(fake.sleeps.size(), 9u);
    EXPECT_EQ(CDirectSound::sharedDevice, nullptr);
    EXPECT_EQ(load(second), 1);
}

TEST_F(DirectSoundTest, OtherDeviceFailuresStopAtOnce) {
    fake.deviceResults = {platform::kSoundAllocated, static_cast<SoundResult>(0x80070057u)};
    CDirectSound sound;
    EXPECT_EQ(load(sound), 0);
    EXPECT_EQ(fake.deviceCalls, 2);
    EXPECT_EQ(fake.sleeps.size(), 1u);
    EXPECT_TRUE(fake.cooperativeWindows.empty());
    EXPECT_EQ(fake.liveBuffers, 0);
}

TEST_F(DirectSoundTest, InstancesShareTheDeviceUntilTheLastIsDestroyed) {
    auto* first = new CDirectSound();
    auto* second = new CDirectSound();
    EXPECT_EQ(CDirectSound::instanceCount, 2);
    ASSERT_EQ(load(*first), 1);
    ASSERT_EQ(load(*second), 1);
    EXPECT_EQ(fake.deviceCalls, 1);
    EXPECT_EQ(fake.cooperativeWindows.size(), 1u);
    EXPECT_EQ(fake.liveBuffers, 2);

    delete first;
    EXPECT_EQ(CDirectSound::instanceCount, 1);
    EXPECT_NE(CDirectSound::sharedDevice, nullptr);
    EXPECT_EQ(fake.liveDevices, 1);
    EXPECT_EQ(fake.liveBuffers, 1);
    delete second;
    EXPECT_EQ(CDirectSound::sharedDevice, nullptr);
    EXPECT_EQ(fake.liveDevices, 0);
}

TEST_F(DirectSoundTest, LostBufferIsRestoredAndLockedAgain) {
    fake.lockResults = {platform::kSoundBufferLost};
    CDirectSound restored;
    EXPECT_EQ(load(restored), 1);
    EXPECT_EQ(fake.restores, 1);
    EXPECT_EQ(fake.locks, 2);
    EXPECT_EQ(fake.filled.size(), 6u);

    // Lost twice: one restore only, and the load fails without a buffer.
    fake.lockResults = {platform::kSoundBufferLost, platform::kSoundBufferLost};
    fake.restores = fake.locks = fake.unlocks = 0;
    CDirectSound lost;
    EXPECT_EQ(load(lost), 0);
    EXPECT_EQ(fake.restores, 1);
    EXPECT_EQ(fake.locks, 2);
    EXPECT_EQ(fake.unlocks, 0);
    EXPECT_EQ(fake.liveBuffers, 1);
}

TEST_F(DirectSoundTest, FailuresAfterTheDeviceLeaveNoBuffer) {
    CDirectSound sound;
    wave[8] = 'X';  // not WAVE: the device still opens first
    EXPECT_EQ(load(sound), 0);
    EXPECT_EQ(fake.deviceCalls, 1);
    EXPECT_EQ(fake.lastFormat, nullptr);

    wave = smallWave();
    fake.createBufferResult = static_cast<SoundResult>(0x80004005u);
    EXPECT_EQ(load(sound), 0);
    fake.createBufferResult = platform::kSoundOk;
    fake.unlockResult = static_cast<SoundResult>(0x80004005u);
    EXPECT_EQ(load(sound), 0);
    EXPECT_EQ(fake.liveBuffers, 0);
}

TEST_F(DirectSoundTest, LargerDeviceBufferIsNotFilledFromBeyondTheSamples) {
    fake.extraBufferBytes = 2;
    CDirectSound sound;
    ASSERT_EQ(load(sound), 1);
    EXPECT_EQ(fake.filled, (std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6, 0xEE, 0xEE}));
}

TEST_F(DirectSoundTest, LoadsTheClickResourceWithTheWindowHandle) {
    CDirectSound sound;
    std::uintptr_t handle = 0x00C0FFEE;
    EXPECT_EQ(sound.LoadFromResource(IDW_CLICK, &handle), 1);
    EXPECT_EQ(fake.cooperativeWindows, std::vector<std::uintptr_t>{0x00C0FFEE});
    EXPECT_EQ(fake.lastBytes, 8784u);
    CDirectSound missing;
    EXPECT_EQ(missing.LoadFromResource(9999, &handle), 0);
}

// Between frames: no pause is ever slept, and each further attempt waits for its time.
TEST_F(DirectSoundTest, ALoadBegunBetweenFramesTriesAgainOnlyOnceItsPauseIsOver) {
    using Progress = CDirectSound::LoadProgress;
    fake.deviceResults.assign(10, platform::kSoundNoDriver);
    CDirectSound sound;
    std::uintptr_t handle = 0x00C0FFEE;
    EXPECT_EQ(sound.BeginLoadFromResource(IDW_CLICK, &handle, 100.0), Progress::Waiting);
    EXPECT_EQ(fake.deviceCalls, 1);
    EXPECT_EQ(sound.ContinueLoad(100.49), Progress::Waiting);
    EXPECT_EQ(fake.deviceCalls, 1);
    double now = 100.5;
    for (int attempt = 2; attempt <= 9; ++attempt, now += 0.5) EXPECT_EQ(sound.ContinueLoad(now), Progress::Waiting);
    EXPECT_EQ(fake.deviceCalls, 9);
    EXPECT_EQ(sound.ContinueLoad(now), Progress::Failed) << "after the tenth attempt";
    EXPECT_EQ(sound.ContinueLoad(now + 10.0), Progress::Failed);
    EXPECT_EQ(fake.deviceCalls, 10);
    EXPECT_TRUE(fake.sleeps.empty());

    // A device that answers at the third attempt: the load goes on to the buffer.
    fake.deviceResults.assign(2, platform::kSoundAllocated);
    fake.deviceCalls = 0;
    EXPECT_EQ(sound.BeginLoadFromResource(IDW_CLICK, &handle, 0.0), Progress::Waiting);
    EXPECT_EQ(sound.ContinueLoad(0.5), Progress::Waiting);
    EXPECT_EQ(sound.ContinueLoad(1.0), Progress::Loaded);
    EXPECT_EQ(fake.deviceCalls, 3);
    EXPECT_EQ(fake.cooperativeWindows, std::vector<std::uintptr_t>{0x00C0FFEE});
    EXPECT_EQ(fake.lastBytes, 8784u);
    EXPECT_TRUE(fake.sleeps.empty());
}

// The stand-in device of this system loads the click for real.
TEST(NativeSoundTest, ClickLoadsIntoTheSystemDevice) {
    platform::setActiveSoundSystem(nullptr);
    {
        CDirectSound sound;
        std::uintptr_t handle = 0;
        EXPECT_EQ(sound.LoadFromResource(IDW_CLICK, &handle), 1);
        EXPECT_NE(CDirectSound::sharedDevice, nullptr);
    }
    EXPECT_EQ(CDirectSound::sharedDevice, nullptr);
}

}  // namespace
}  // namespace ondalith
