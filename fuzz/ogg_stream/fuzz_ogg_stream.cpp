// Feeds arbitrary bytes to the streaming Ogg Vorbis path: the bytes are loaded as a streamed,
// looped sound and played through the mixer, so the decoder runs chunk by chunk, rewinds at
// each loop and is resampled as on the audio thread. Every input must give a sound that plays
// or null, never a crash, an out-of-bounds read or an endless loop.
#include "platform/AudioMixer.hpp"
#include "platform/Sound.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tarvex::platform;
    const auto sound = Sound::decode(std::span(data, size), SOUND_STREAM | SOUND_LOOP);
    if (!sound) {
        return 0;
    }
    AudioMixer mixer(8000);
    const auto looped = mixer.play(sound);
    const auto fast = mixer.play(sound);
    if (fast) {
        fast->setRate(3.7f);
        fast->setLooped(false);
    }
    std::array<std::int16_t, 2 * 512> buffer{};
    for (int pull = 0; pull < 32; ++pull) {
        mixer.mix(std::span(buffer));
    }
    return 0;
}
