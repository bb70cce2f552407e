#include "platform/AudioDevice.hpp"
#include "support/AudioTestData.hpp"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace tarvex::platform {
namespace {

using testing::soundOf;

// Keeps the tests off the machine's speakers and restores the driver choice afterwards.
class DriverGuard {
public:
    DriverGuard() { setenv("SDL_AUDIODRIVER", "dummy", 0); }
    ~DriverGuard() { setAudioDriver(nullptr); }
    DriverGuard(const DriverGuard&) = delete;
    DriverGuard& operator=(const DriverGuard&) = delete;
};

class FakeDriver : public AudioDriver {
public:
    [[nodiscard]] std::string name() const override { return "Fake"; }
    [[nodiscard]] Ref<AudioDevice> open() override {
        ++opened;
        return openSilentAudioDevice(8000);
    }
    int opened = 0;
};

TEST(AudioDevice, DriversAreSelectedByName) {
    const DriverGuard guard;
    EXPECT_EQ(audioDriver()->name(), "FreeAudio");
    EXPECT_TRUE(selectAudioDriver("Silent"));
    EXPECT_EQ(audioDriver()->name(), "Silent");
    EXPECT_FALSE(selectAudioDriver("freeaudio"));
    EXPECT_FALSE(selectAudioDriver(""));
    EXPECT_EQ(audioDriver()->name(), "Silent") << "an unknown name changes nothing";
    EXPECT_TRUE(selectAudioDriver("FreeAudio"));
    EXPECT_EQ(audioDriver()->name(), "FreeAudio");
}

TEST(AudioDevice, FreeAudioOpensAPlayingDevice) {
    const DriverGuard guard;
    ASSERT_TRUE(selectAudioDriver("FreeAudio"));
    const auto device = audioDevice();
    ASSERT_TRUE(device);
    EXPECT_TRUE(device->isOpen());
    EXPECT_EQ(device->sampleRate(), 44100);
    EXPECT_EQ(audioDevice(), device) << "one device for the whole program";
    const auto channel = device->play(soundOf({1, 2, 3}, 1, 44100, true));
    ASSERT_TRUE(channel);
    EXPECT_TRUE(channel->isPlaying());
    closeAudioDevice();
    EXPECT_FALSE(device->isOpen());
    EXPECT_NE(audioDevice(), device) << "a closed device is replaced on next use";
    closeAudioDevice();
}

TEST(AudioDevice, FreeAudioFallsBackToSilenceWithoutAudioOutput) {
    const DriverGuard guard;
    const char* previous = std::getenv("SDL_AUDIODRIVER");
    const std::string saved = previous != nullptr ? previous : "";
    setenv("SDL_AUDIODRIVER", "no-such-audio-driver", 1);
    const auto device = freeAudioDriver()->open();
    setenv("SDL_AUDIODRIVER", saved.c_str(), 1);
    ASSERT_TRUE(device);
    EXPECT_TRUE(device->isSilent());
    EXPECT_TRUE(device->play(soundOf({1, 2})));
    device->close();
    EXPECT_FALSE(device->isOpen());
}

TEST(AudioDevice, InstalledDriverOpensTheDeviceOnceUntilReplaced) {
    const DriverGuard guard;
    auto fake = std::make_shared<FakeDriver>();
    setAudioDriver(fake);
    const auto device = audioDevice();
    ASSERT_TRUE(device);
    EXPECT_EQ(device->sampleRate(), 8000);
    (void)audioDevice();
    EXPECT_EQ(fake->opened, 1);
    ASSERT_TRUE(selectAudioDriver("Silent"));
    EXPECT_FALSE(device->isOpen()) << "changing driver closes the old device";
    EXPECT_TRUE(audioDevice()->isSilent());
    closeAudioDevice();
}

} // namespace
} // namespace tarvex::platform
