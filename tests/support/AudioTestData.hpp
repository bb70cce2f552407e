// Small sound data for the audio tests: WAV files assembled byte by byte, sounds made straight
// from samples, and paths of the project's own sound files.
#pragma once

#include "platform/AudioDecoders.hpp"
#include "platform/Sound.hpp"
#include "platform/Stream.hpp"
#include "support/SourceDir.hpp"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace tarvex::platform::testing {

class WavBuilder {
public:
    WavBuilder& chunk(const std::string& tag, const std::vector<std::uint8_t>& body,
                      bool pad = true) {
        _body.insert(_body.end(), tag.begin(), tag.end());
        putU32(_body, static_cast<std::uint32_t>(body.size()));
        _body.insert(_body.end(), body.begin(), body.end());
        if (pad && body.size() % 2 != 0) {
            _body.push_back(0);
        }
        return *this;
    }
    WavBuilder& format(int channels, int bits, int rate, int tag = 1) {
        std::vector<std::uint8_t> body;
        putU16(body, static_cast<std::uint16_t>(tag));
        putU16(body, static_cast<std::uint16_t>(channels));
        putU32(body, static_cast<std::uint32_t>(rate));
        putU32(body, static_cast<std::uint32_t>(rate * channels * bits / 8));
        putU16(body, static_cast<std::uint16_t>(channels * bits / 8));
        putU16(body, static_cast<std::uint16_t>(bits));
        return chunk("fmt ", body);
    }
    WavBuilder& data16(const std::vector<std::int16_t>& samples) {
        std::vector<std::uint8_t> body;
        for (const std::int16_t sample : samples) {
            putU16(body, static_cast<std::uint16_t>(sample));
        }
        return chunk("data", body);
    }
    WavBuilder& data8(const std::vector<std::uint8_t>& samples, bool pad = true) {
        return chunk("data", samples, pad);
    }
    [[nodiscard]] std::vector<std::uint8_t> bytes() const {
        std::vector<std::uint8_t> file{'R', 'I', 'F', 'F'};
        putU32(file, static_cast<std::uint32_t>(_body.size() + 4));
        file.insert(file.end(), {'W', 'A', 'V', 'E'});
        file.insert(file.end(), _body.begin(), _body.end());
        return file;
    }

private:
    static void putU16(std::vector<std::uint8_t>& out, std::uint16_t value) {
        out.push_back(static_cast<std::uint8_t>(value & 0xFF));
        out.push_back(static_cast<std::uint8_t>(value >> 8));
    }
    static void putU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
        putU16(out, static_cast<std::uint16_t>(value & 0xFFFF));
        putU16(out, static_cast<std::uint16_t>(value >> 16));
    }

    std::vector<std::uint8_t> _body;
};

inline Ref<Sound> soundOf(std::vector<std::int16_t> samples, int channels = 1, int rate = 44100,
                          bool loop = false) {
    return std::make_shared<Sound>(PcmAudio{std::move(samples), channels, rate}, loop);
}

inline std::string sourcePath(const std::string& relative) {
    return tarvex::testing::sourcePath(relative);
}

// A file of the source tree (a sound or a fuzz seed), or nothing when it cannot be read.
inline std::vector<std::uint8_t> sourceFileBytes(const std::string& relative) {
    auto bytes = loadBytes(sourcePath(relative), MAX_PCM_BYTES);
    return bytes ? *bytes : std::vector<std::uint8_t>{};
}

} // namespace tarvex::platform::testing
