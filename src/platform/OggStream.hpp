// An Ogg Vorbis file decoded a little at a time while it plays. Decoding a whole music piece
// before the first note would stall the frame that asks for it (tens of milliseconds for the
// game's longest track); streamed, the mixer decodes each buffer's worth as it mixes it. Every
// playing channel has its own stream over the encoded bytes its sound keeps.
//
//     auto stream = OggStream::open(oggFileBytes);
//     std::int16_t frame[2];
//     while (stream->nextFrame(frame)) { ... }   // one frame: channels() samples
//     stream->rewind();                          // back to the first frame, for loops
//
// A stream is used by one thread at a time (the mixer calls it under its lock).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace tarvex::platform {

class OggStream {
public:
    // Null when the bytes are not Ogg Vorbis that decodeOgg() would accept: one or two
    // channels, a sane rate, one format throughout, and a first frame that decodes. The bytes
    // must outlive the stream.
    [[nodiscard]] static std::unique_ptr<OggStream> open(std::span<const std::uint8_t> bytes);

    ~OggStream();
    OggStream(const OggStream&) = delete;
    OggStream& operator=(const OggStream&) = delete;

    [[nodiscard]] int channels() const { return _channels; }
    [[nodiscard]] int sampleRate() const { return _sampleRate; }
    // Frames the stream says it holds; 0 when it does not say.
    [[nodiscard]] std::size_t declaredFrames() const { return _declaredFrames; }

    // Copies the next frame (channels() samples) into `frame`; false at the end of the stream
    // or where the data cannot be decoded any further.
    bool nextFrame(std::int16_t* frame);
    // Back to the first frame; false when the stream cannot go back.
    bool rewind();

private:
    struct Decoder;

    OggStream();
    bool _refill();

    // One ov_read() call's worth of samples at most.
    static constexpr std::size_t BUFFER_SAMPLES = 2048;

    std::unique_ptr<Decoder> _decoder;
    std::array<std::int16_t, BUFFER_SAMPLES> _buffer{};
    std::size_t _count = 0; // samples decoded into the buffer
    std::size_t _at = 0;    // next sample to hand out
    int _channels = 0;
    int _sampleRate = 0;
    std::size_t _declaredFrames = 0;
    bool _ended = false;
};

} // namespace tarvex::platform
