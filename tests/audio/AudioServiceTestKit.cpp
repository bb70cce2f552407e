#include "AudioServiceTestKit.hpp"

#include "audio/AudioTypes.hpp"
#include "support/AudioTestData.hpp"

#include <span>

namespace tarvex::testing {

namespace {

using platform::testing::WavBuilder;

class PulledDriver : public platform::AudioDriver {
public:
    explicit PulledDriver(Ref<PulledAudioDevice> device) : _device(std::move(device)) {}
    [[nodiscard]] std::string name() const override { return "Pulled"; }
    [[nodiscard]] Ref<platform::AudioDevice> open() override { return _device; }

private:
    Ref<PulledAudioDevice> _device;
};

std::vector<std::uint8_t> constantWav(std::int16_t value, int frames) {
    return WavBuilder()
        .format(1, 16, 44100)
        .data16(std::vector<std::int16_t>(static_cast<std::size_t>(frames), value))
        .bytes();
}

// Registered once per process: memory files are process-wide.
void registerTestSounds() {
    static const bool registered = [] {
        platform::registerMemoryFile("audio-kit/beep.wav", constantWav(BEEP, 100));
        platform::registerMemoryFile("audio-kit/splash1.wav", constantWav(SPLASH_1, 50));
        platform::registerMemoryFile("audio-kit/splash2.wav", constantWav(SPLASH_2, 50));
        platform::registerMemoryFile("audio-kit/one.wav", constantWav(MUSIC_1, 44100));
        platform::registerMemoryFile("audio-kit/two.wav", constantWav(MUSIC_2, 44100));
        std::vector<std::int16_t> ramp;
        ramp.reserve(RAMP_FRAMES);
        for (int i = 0; i < RAMP_FRAMES; ++i) {
            ramp.push_back(static_cast<std::int16_t>(RAMP_STEP * i));
        }
        platform::registerMemoryFile("audio-kit/ramp.wav",
                                     WavBuilder().format(1, 16, 44100).data16(ramp).bytes());
        auto truncated = constantWav(BEEP, 100);
        truncated.resize(truncated.size() - 41);
        platform::registerMemoryFile("audio-kit/truncated.wav", truncated);
        std::vector<std::uint8_t> corrupt{'O', 'g', 'g', 'S'};
        for (int i = 0; i < 500; ++i) {
            corrupt.push_back(static_cast<std::uint8_t>(i * 37));
        }
        platform::registerMemoryFile("audio-kit/corrupt.ogg", corrupt);

        const std::string definitions = R"(
[resources] {
    namespace = t.sounds;
    default_type = sound;
    [t:resource, n:beep] { file = beep.wav; }
    [t:resource, n:splash1] { file = splash1.wav; }
    [t:resource, n:splash2] { file = splash2.wav; }
    [t:resource, n:xsplash1] { file = splash1.wav; }
    [t:resource, n:missing] { file = gone.wav; }
    [t:resource, n:truncated] { file = truncated.wav; }
    [t:resource, n:corrupt] { file = corrupt.ogg; }
}
)";
        const std::string music = R"(
[resources] {
    namespace = t.music;
    [t:resource, n:one] { type = sound; file = one.wav; looped = true; }
    [t:resource, n:two] { type = sound; file = two.wav; looped = true; }
    [t:resource, n:ramp] { type = sound; file = ramp.wav; looped = true; }
}
)";
        platform::registerMemoryFile(
            "audio-kit/sounds.brix",
            std::vector<std::uint8_t>(definitions.begin(), definitions.end()));
        platform::registerMemoryFile("audio-kit/music.brix",
                                     std::vector<std::uint8_t>(music.begin(), music.end()));
        return true;
    }();
    (void)registered;
}

} // namespace

std::vector<std::int16_t> PulledAudioDevice::pull(std::size_t frames) {
    std::vector<std::int16_t> stereo(frames * 2);
    mixer().mix(std::span(stereo));
    std::vector<std::int16_t> left(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        left[i] = stereo[i * 2];
    }
    return left;
}

AudioServiceKit::AudioServiceKit()
    : resources(std::make_shared<ResourceService>()), audio(std::make_shared<AudioService>()),
      device(std::make_shared<PulledAudioDevice>()) {
    registerAudioTypes();
    registerTestSounds();
    platform::setAudioDriver(std::make_shared<PulledDriver>(device));
    kernel.addService(nullptr, resources);
    kernel.addService(nullptr, audio);
    resources->loadResourceFile("memory::audio-kit/sounds.brix", true);
    resources->loadResourceFile("memory::audio-kit/music.brix", true);
}

AudioServiceKit::~AudioServiceKit() {
    platform::setAudioDriver(nullptr);
}

} // namespace tarvex::testing
