// Feeds arbitrary bytes to the WAV decoder and mixes what it accepts: every input must give
// samples or null, never a crash, an out-of-bounds read or an unbounded allocation.
#include "platform/AudioDecoders.hpp"
#include "platform/AudioMixer.hpp"
#include "platform/Sound.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A small PCM limit keeps each run quick; the limit logic is the same at any size.
    auto pcm = tarvex::platform::decodeWav(std::span(data, size), std::size_t{1} << 20);
    if (!pcm) {
        return 0;
    }
    tarvex::platform::AudioMixer mixer(22050);
    auto channel = mixer.play(std::make_shared<tarvex::platform::Sound>(std::move(*pcm), true));
    channel->setRate(size > 0 ? static_cast<float>(data[0]) / 32.0f : 1.0f);
    std::array<std::int16_t, 2048> out{};
    mixer.mix(std::span(out));
    return 0;
}
