// Decoders that turn sound files into 16-bit signed PCM in memory: WAV (RIFF/WAVE with 8-bit
// unsigned or 16-bit signed PCM) read by our own code, and Ogg Vorbis through vorbisfile. Both
// accept only mono or stereo and answer null for anything they cannot read safely; the decoded
// size is bounded, so a hostile header cannot make them allocate without limit. They touch no
// shared state and may run on any thread (the loading screen decodes on its worker thread).
//
//     auto pcm = decodeWav(bytes);            // null for anything that is not a sane WAV
//     auto music = decodeOgg(*openStream("incbin::title.ogg"));
#pragma once

#include "platform/Stream.hpp"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tarvex::platform {

// The most decoded PCM (in bytes of 16-bit samples) a sound may hold: about six minutes of
// 44.1 kHz stereo, far more than any sound or music track of the game.
inline constexpr std::size_t MAX_PCM_BYTES = std::size_t{64} << 20;
// Sample rates outside this range are taken as corrupt headers.
inline constexpr int MIN_SAMPLE_RATE = 1000;
inline constexpr int MAX_SAMPLE_RATE = 384000;

// Interleaved 16-bit samples: frame i is samples[i * channels .. i * channels + channels - 1].
struct PcmAudio {
    std::vector<std::int16_t> samples;
    int channels = 0; // 1 or 2
    int sampleRate = 0;

    [[nodiscard]] std::size_t frameCount() const {
        return channels > 0 ? samples.size() / static_cast<std::size_t>(channels) : 0;
    }
};

// A whole WAV file. Chunks other than "fmt " and "data" are skipped, a missing pad byte after
// an odd-sized last chunk is tolerated. Null when the file is not RIFF/WAVE PCM of 8 or 16 bits
// with one or two channels, when a chunk runs past the end of the data, when it holds no
// samples, or when its PCM would exceed maxPcmBytes.
[[nodiscard]] std::optional<PcmAudio> decodeWav(std::span<const std::uint8_t> bytes,
                                                std::size_t maxPcmBytes = MAX_PCM_BYTES);

// An Ogg Vorbis stream, read from its start (vorbisfile seeks in streams that can seek). Null when
// it is not Vorbis, has more than two channels, changes its format between chained sections,
// decodes to nothing, or would exceed maxPcmBytes.
[[nodiscard]] std::optional<PcmAudio> decodeOgg(Stream& stream,
                                                std::size_t maxPcmBytes = MAX_PCM_BYTES);
[[nodiscard]] std::optional<PcmAudio> decodeOgg(std::span<const std::uint8_t> bytes,
                                                std::size_t maxPcmBytes = MAX_PCM_BYTES);

} // namespace tarvex::platform
