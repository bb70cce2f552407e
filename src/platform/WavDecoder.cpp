#include "platform/AudioDecoders.hpp"

#include <optional>

namespace tarvex::platform {

namespace {

constexpr std::uint16_t FORMAT_PCM = 1;
constexpr std::uint16_t FORMAT_EXTENSIBLE = 0xFFFE;

// Little-endian reads; callers check the bounds first.
std::uint16_t readU16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint32_t readU32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) |
           (static_cast<std::uint32_t>(bytes[at + 1]) << 8) |
           (static_cast<std::uint32_t>(bytes[at + 2]) << 16) |
           (static_cast<std::uint32_t>(bytes[at + 3]) << 24);
}

bool hasTag(std::span<const std::uint8_t> bytes, std::size_t at, const char (&tag)[5]) {
    for (std::size_t i = 0; i < 4; ++i) {
        if (bytes[at + i] != static_cast<std::uint8_t>(tag[i])) {
            return false;
        }
    }
    return true;
}

struct WavFormat {
    int channels = 0;
    int bits = 0;
    int sampleRate = 0;
};

std::optional<WavFormat> readFormat(std::span<const std::uint8_t> chunk) {
    if (chunk.size() < 16) {
        return std::nullopt;
    }
    std::uint16_t tag = readU16(chunk, 0);
    if (tag == FORMAT_EXTENSIBLE) {
        // The real format is the first two bytes of the sub-format GUID.
        if (chunk.size() < 26) {
            return std::nullopt;
        }
        tag = readU16(chunk, 24);
    }
    WavFormat format;
    format.channels = readU16(chunk, 2);
    const std::uint32_t rate = readU32(chunk, 4);
    const std::uint16_t blockAlign = readU16(chunk, 12);
    format.bits = readU16(chunk, 14);
    if (tag != FORMAT_PCM || (format.channels != 1 && format.channels != 2) ||
        (format.bits != 8 && format.bits != 16) || rate < MIN_SAMPLE_RATE ||
        rate > MAX_SAMPLE_RATE || blockAlign != format.channels * format.bits / 8) {
        return std::nullopt;
    }
    format.sampleRate = static_cast<int>(rate);
    return format;
}

} // namespace

std::optional<PcmAudio> decodeWav(std::span<const std::uint8_t> bytes, std::size_t maxPcmBytes) {
    if (bytes.size() < 12 || !hasTag(bytes, 0, "RIFF") || !hasTag(bytes, 8, "WAVE")) {
        return std::nullopt;
    }
    // The RIFF size field is often wrong in the wild; the chunks themselves are checked
    // against the bytes actually present instead.
    std::optional<WavFormat> format;
    std::span<const std::uint8_t> data;
    bool haveData = false;
    std::size_t at = 12;
    while (bytes.size() - at >= 8) {
        const std::uint32_t size = readU32(bytes, at + 4);
        const std::size_t bodyStart = at + 8;
        if (size > bytes.size() - bodyStart) {
            return std::nullopt; // truncated chunk
        }
        const auto body = bytes.subspan(bodyStart, size);
        if (hasTag(bytes, at, "fmt ")) {
            if (format) {
                return std::nullopt;
            }
            format = readFormat(body);
            if (!format) {
                return std::nullopt;
            }
        } else if (hasTag(bytes, at, "data")) {
            if (haveData) {
                return std::nullopt;
            }
            data = body;
            haveData = true;
        }
        // Chunks are padded to even sizes; the pad byte of the last chunk may be missing.
        at = bodyStart + size + (size & 1U);
        if (at >= bytes.size()) {
            break;
        }
    }
    if (!format || !haveData) {
        return std::nullopt;
    }

    const std::size_t bytesPerSample = static_cast<std::size_t>(format->bits) / 8;
    const std::size_t frameBytes = bytesPerSample * static_cast<std::size_t>(format->channels);
    const std::size_t frames = data.size() / frameBytes; // a partial last frame is dropped
    const std::size_t sampleCount = frames * static_cast<std::size_t>(format->channels);
    if (frames == 0 || sampleCount > maxPcmBytes / sizeof(std::int16_t)) {
        return std::nullopt;
    }

    PcmAudio pcm;
    pcm.channels = format->channels;
    pcm.sampleRate = format->sampleRate;
    pcm.samples.resize(sampleCount);
    if (bytesPerSample == 1) {
        // 8-bit WAV samples are unsigned around 128.
        for (std::size_t i = 0; i < sampleCount; ++i) {
            pcm.samples[i] = static_cast<std::int16_t>((data[i] - 128) * 256);
        }
    } else {
        for (std::size_t i = 0; i < sampleCount; ++i) {
            pcm.samples[i] = static_cast<std::int16_t>(readU16(data, i * 2));
        }
    }
    return pcm;
}

} // namespace tarvex::platform
