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

std::size_t Sound::frameCount() const {
    return isStreamed() ? _streamFrames : _pcm.frameCount();
}

std::unique_ptr<OggStream> Sound::openDecoder() const {
    return isStreamed() ? OggStream::open(_encoded) : nullptr;
}

Ref<Sound> Sound::_fromOgg(std::vector<std::uint8_t> bytes, int flags) {
    const auto stream = OggStream::open(bytes);
    if (!stream) {
        return nullptr;
    }
    const double lengthMs =
        static_cast<double>(stream->declaredFrames()) * 1000.0 / stream->sampleRate();
    // A stream that does not declare its length is decoded whole: decodeOgg() then bounds it.
    const bool streamed = stream->declaredFrames() > 0 &&
                          ((flags & SOUND_STREAM) != 0 || lengthMs > STREAM_LONGER_THAN_MS);
    if (!streamed) {
        return makeSound(decodeOgg(bytes), flags);
    }
    auto sound = std::make_shared<Sound>(PcmAudio{{}, stream->channels(), stream->sampleRate()},
                                         (flags & SOUND_LOOP) != 0);
    sound->_encoded = std::move(bytes);
    sound->_streamFrames = stream->declaredFrames();
    return sound;
}

double Sound::durationMs() const {
    return _pcm.sampleRate > 0 ? static_cast<double>(frameCount()) * 1000.0 / _pcm.sampleRate : 0.0;
}

Ref<Sound> Sound::decode(std::span<const std::uint8_t> bytes, int flags) {
    if (startsWith(bytes, "RIFF")) {
        return makeSound(decodeWav(bytes), flags);
    }
    if (startsWith(bytes, "OggS")) {
        return _fromOgg(std::vector<std::uint8_t>(bytes.begin(), bytes.end()), flags);
    }
    return nullptr;
}

Ref<Sound> Sound::load(const std::string& url, int flags) {
    const auto stream = openStream(url);
    if (!stream) {
        return nullptr;
    }
    std::array<std::uint8_t, 4> magic{};
    if (stream->read(magic.data(), magic.size()) != magic.size() ||
        (!startsWith(magic, "RIFF") && !startsWith(magic, "OggS"))) {
        return nullptr; // not a sound: nothing more is read
    }
    auto bytes = readAllBytes(*stream, MAX_SOUND_FILE_BYTES - magic.size());
    if (!bytes) {
        return nullptr;
    }
    bytes->insert(bytes->begin(), magic.begin(), magic.end());
    if (startsWith(magic, "OggS")) {
        return _fromOgg(std::move(*bytes), flags);
    }
    return decode(*bytes, flags);
}

} // namespace tarvex::platform
