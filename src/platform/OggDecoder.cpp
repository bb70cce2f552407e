#include "platform/AudioDecoders.hpp"
#include "platform/OggStream.hpp"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>
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

constexpr int BIG_ENDIAN_OUTPUT = std::endian::native == std::endian::big ? 1 : 0;

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

    std::int16_t buffer[4096];
    int section = 0;
    for (;;) {
        const long got = ov_read(file.get(), reinterpret_cast<char*>(buffer), sizeof(buffer),
                                 BIG_ENDIAN_OUTPUT, 2, 1, &section);
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

struct OggStream::Decoder {
    Ref<MemoryStream> source;
    VorbisFile file;
};

OggStream::OggStream() : _decoder(std::make_unique<Decoder>()) {}

OggStream::~OggStream() = default;

std::unique_ptr<OggStream> OggStream::open(std::span<const std::uint8_t> bytes) {
    std::unique_ptr<OggStream> stream(new OggStream());
    Decoder& decoder = *stream->_decoder;
    decoder.source = MemoryStream::view(bytes);
    if (!decoder.file.open(*decoder.source)) {
        return nullptr;
    }
    OggVorbis_File* file = decoder.file.get();
    const vorbis_info* info = ov_info(file, -1);
    if (info == nullptr || (info->channels != 1 && info->channels != 2) ||
        info->rate < MIN_SAMPLE_RATE || info->rate > MAX_SAMPLE_RATE) {
        return nullptr;
    }
    // Every section of a chained file must keep the format: the channel mixes one format.
    for (long link = 0; link < ov_streams(file); ++link) {
        const vorbis_info* section = ov_info(file, static_cast<int>(link));
        if (section == nullptr || section->channels != info->channels ||
            section->rate != info->rate) {
            return nullptr;
        }
    }
    stream->_channels = info->channels;
    stream->_sampleRate = static_cast<int>(info->rate);
    const ogg_int64_t declared = ov_pcm_total(file, -1);
    stream->_declaredFrames = declared > 0 ? static_cast<std::size_t>(declared) : 0;
    // A stream whose first frame cannot be decoded is refused now rather than found silent.
    if (!stream->_refill()) {
        return nullptr;
    }
    return stream;
}

bool OggStream::_refill() {
    _count = 0;
    _at = 0;
    if (_ended) {
        return false;
    }
    OggVorbis_File* file = _decoder->file.get();
    // Holes (lost pages) are skipped, as decodeOgg() does; each one consumes data, and the
    // bound keeps a mix call short whatever the data holds.
    constexpr int MAX_HOLES_IN_A_ROW = 64;
    for (int holes = 0; holes <= MAX_HOLES_IN_A_ROW;) {
        int section = 0;
        const long got =
            ov_read(file, reinterpret_cast<char*>(_buffer.data()),
                    static_cast<int>(sizeof(_buffer)), BIG_ENDIAN_OUTPUT, 2, 1, &section);
        if (got == OV_HOLE) {
            ++holes;
            continue;
        }
        if (got <= 0) {
            break; // the end, or data that cannot be decoded
        }
        const vorbis_info* current = ov_info(file, section);
        if (current == nullptr || current->channels != _channels || current->rate != _sampleRate) {
            break;
        }
        const auto samples = static_cast<std::size_t>(got) / sizeof(std::int16_t);
        _count = samples - samples % static_cast<std::size_t>(_channels);
        if (_count > 0) {
            return true;
        }
        ++holes; // not even one whole frame: as good as a hole
    }
    _ended = true;
    return false;
}

bool OggStream::nextFrame(std::int16_t* frame) {
    const auto width = static_cast<std::size_t>(_channels);
    if (_at + width > _count && !_refill()) {
        return false;
    }
    std::memcpy(frame, _buffer.data() + _at, width * sizeof(std::int16_t));
    _at += width;
    return true;
}

bool OggStream::rewind() {
    if (ov_pcm_seek(_decoder->file.get(), 0) != 0) {
        return false;
    }
    _ended = false;
    _count = 0;
    _at = 0;
    return true;
}

} // namespace tarvex::platform
