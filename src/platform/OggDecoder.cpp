#include "platform/AudioDecoders.hpp"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <vorbis/vorbisfile.h>

namespace tarvex::platform {

namespace {

// vorbisfile reads through these callbacks, so any stream scheme ("incbin::", archives,
// memory) can hold Ogg data. The data source is the stream itself.
std::size_t readCallback(void* buffer, std::size_t size, std::size_t count, void* source) {
    if (size == 0) {
        return 0;
    }
    return static_cast<Stream*>(source)->read(buffer, size * count) / size;
}

int seekCallback(void* source, ogg_int64_t offset, int whence) {
    auto* stream = static_cast<Stream*>(source);
    const std::int64_t size = stream->size();
    if (size < 0) {
        return -1; // unseekable: vorbisfile then reads straight through
    }
    std::int64_t target = offset;
    if (whence == SEEK_CUR) {
        target += stream->position();
    } else if (whence == SEEK_END) {
        target += size;
    }
    return stream->seek(target) ? 0 : -1;
}

long tellCallback(void* source) {
    return static_cast<long>(static_cast<Stream*>(source)->position());
}

// Closes the vorbisfile decoder however decoding ends.
class VorbisFile {
public:
    VorbisFile() = default;
    ~VorbisFile() {
        if (_open) {
            ov_clear(&_file);
        }
    }
    VorbisFile(const VorbisFile&) = delete;
    VorbisFile& operator=(const VorbisFile&) = delete;

    bool open(Stream& stream) {
        const ov_callbacks callbacks{readCallback, seekCallback, nullptr, tellCallback};
        _open = ov_open_callbacks(&stream, &_file, nullptr, 0, callbacks) == 0;
        return _open;
    }
    OggVorbis_File* get() { return &_file; }

private:
    OggVorbis_File _file{};
    bool _open = false;
};

} // namespace

std::optional<PcmAudio> decodeOgg(Stream& stream, std::size_t maxPcmBytes) {
    VorbisFile file;
    if (!file.open(stream)) {
        return std::nullopt;
    }
    const vorbis_info* info = ov_info(file.get(), -1);
    if (info == nullptr || (info->channels != 1 && info->channels != 2) ||
        info->rate < MIN_SAMPLE_RATE || info->rate > MAX_SAMPLE_RATE) {
        return std::nullopt;
    }
    PcmAudio pcm;
    pcm.channels = info->channels;
    pcm.sampleRate = static_cast<int>(info->rate);

    const std::size_t maxSamples = maxPcmBytes / sizeof(std::int16_t);
    // The declared length only guides the first allocation; it is never trusted beyond the
    // limit, and the data decoded is what counts.
    const ogg_int64_t declared = ov_pcm_total(file.get(), -1);
    if (declared > 0) {
        const auto declaredSamples =
            static_cast<std::uint64_t>(declared) * static_cast<std::uint64_t>(pcm.channels);
        pcm.samples.reserve(
            static_cast<std::size_t>(std::min<std::uint64_t>(declaredSamples, maxSamples)));
    }

    constexpr int bigEndian = std::endian::native == std::endian::big ? 1 : 0;
    std::int16_t buffer[4096];
    int section = 0;
    for (;;) {
        const long got = ov_read(file.get(), reinterpret_cast<char*>(buffer), sizeof(buffer),
                                 bigEndian, 2, 1, &section);
        if (got == 0) {
            break;
        }
        if (got == OV_HOLE) {
            continue; // a gap in the data; decoding resumes after it
        }
        if (got < 0) {
            return std::nullopt;
        }
        // Chained streams may change format; we keep one format per sound.
        const vorbis_info* current = ov_info(file.get(), section);
        if (current == nullptr || current->channels != pcm.channels ||
            current->rate != pcm.sampleRate) {
            return std::nullopt;
        }
        const auto count = static_cast<std::size_t>(got) / sizeof(std::int16_t);
        if (count > maxSamples - pcm.samples.size()) {
            return std::nullopt;
        }
        pcm.samples.insert(pcm.samples.end(), buffer, buffer + count);
    }
    // Drop a partial frame, should a broken stream ever leave one.
    pcm.samples.resize(pcm.frameCount() * static_cast<std::size_t>(pcm.channels));
    if (pcm.samples.empty()) {
        return std::nullopt;
    }
    return pcm;
}

std::optional<PcmAudio> decodeOgg(std::span<const std::uint8_t> bytes, std::size_t maxPcmBytes) {
    const auto stream = MemoryStream::view(bytes);
    return decodeOgg(*stream, maxPcmBytes);
}

} // namespace tarvex::platform
