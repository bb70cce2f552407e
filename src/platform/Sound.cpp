#include "platform/Sound.hpp"

#include "core/TypeBuilder.hpp"

#include <array>
#include <utility>

namespace tarvex::platform {

const Type& Sound::staticType() {
    static const Type& type = TypeBuilder<Sound>("Sound").build();
    return type;
}

namespace {

// 8-bit WAV files hold one byte per sample, so a file may be half the size of its decoded PCM;
// anything larger than this cannot decode within the PCM limit.
constexpr std::size_t MAX_SOUND_FILE_BYTES = MAX_PCM_BYTES + (std::size_t{1} << 20);

bool startsWith(std::span<const std::uint8_t> bytes, const char (&magic)[5]) {
    if (bytes.size() < 4) {
        return false;
    }
    for (std::size_t i = 0; i < 4; ++i) {
        if (bytes[i] != static_cast<std::uint8_t>(magic[i])) {
            return false;
        }
    }
    return true;
}

Ref<Sound> makeSound(std::optional<PcmAudio> pcm, int flags) {
    if (!pcm) {
        return nullptr;
    }
    return std::make_shared<Sound>(std::move(*pcm), (flags & SOUND_LOOP) != 0);
}

} // namespace

Sound::Sound(PcmAudio pcm, bool loop) : _pcm(std::move(pcm)), _loop(loop) {}

double Sound::durationMs() const {
    return _pcm.sampleRate > 0 ? static_cast<double>(frameCount()) * 1000.0 / _pcm.sampleRate : 0.0;
}

Ref<Sound> Sound::decode(std::span<const std::uint8_t> bytes, int flags) {
    if (startsWith(bytes, "RIFF")) {
        return makeSound(decodeWav(bytes), flags);
    }
    if (startsWith(bytes, "OggS")) {
        return makeSound(decodeOgg(bytes), flags);
    }
    return nullptr;
}

Ref<Sound> Sound::load(const std::string& url, int flags) {
    const auto stream = openStream(url);
    if (!stream) {
        return nullptr;
    }
    std::array<std::uint8_t, 4> magic{};
    if (stream->read(magic.data(), magic.size()) != magic.size()) {
        return nullptr;
    }
    if (startsWith(magic, "OggS") && stream->seek(0)) {
        // Decoded straight from the stream: Ogg files need not sit in memory twice.
        return makeSound(decodeOgg(*stream), flags);
    }
    if (!startsWith(magic, "RIFF") && !startsWith(magic, "OggS")) {
        return nullptr;
    }
    // WAV files, and Ogg data in streams that cannot seek back (archive members), are read
    // whole behind the bytes already taken.
    auto rest = readAllBytes(*stream, MAX_SOUND_FILE_BYTES - magic.size());
    if (!rest) {
        return nullptr;
    }
    rest->insert(rest->begin(), magic.begin(), magic.end());
    return decode(*rest, flags);
}

} // namespace tarvex::platform
