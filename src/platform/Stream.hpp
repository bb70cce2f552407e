// Byte streams and URL-style opening. A name may carry a scheme, "scheme::rest"; each scheme is
// served by a factory registered at start-up (the platform registers "incbin::" for data
// compiled into the program and "memory::" for named in-memory blobs; other modules add their
// own, such as archive members). A name without a scheme is a plain file.
//
//     registerIncbin("small-font.ttf", bytes);
//     if (auto stream = openStream("incbin::small-font.ttf")) {
//         auto data = readAllBytes(*stream, 1 << 20);
//     }
//
// Opening never throws for missing or unreadable data: the answer is null.
#pragma once

#include "core/Object.hpp"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex::platform {

enum StreamMode : std::uint8_t { STREAM_READ = 1, STREAM_WRITE = 2 };

class Stream : public Object {
    TARVEX_OBJECT(Stream, Object)
public:
    // Reads up to `size` bytes; answers how many were read (0 at the end).
    virtual std::size_t read(void* buffer, std::size_t size) = 0;
    // Writes up to `size` bytes; answers how many were written (0 for read-only streams).
    virtual std::size_t write(const void* /*buffer*/, std::size_t /*size*/) { return 0; }
    [[nodiscard]] virtual std::int64_t position() const = 0;
    // Total size in bytes, or -1 when unknown.
    [[nodiscard]] virtual std::int64_t size() const = 0;
    // Moves to an absolute position; false (position unchanged) when it cannot be reached.
    virtual bool seek(std::int64_t position) = 0;
    [[nodiscard]] bool eof() const;
};

// Bytes in memory: either a borrowed view of data that outlives the stream (compiled-in data)
// or an owned buffer. Owned streams opened for writing grow as they are written.
class MemoryStream : public Stream {
    TARVEX_OBJECT(MemoryStream, Stream)
public:
    MemoryStream() = default;
    explicit MemoryStream(std::vector<std::uint8_t> bytes, bool writeable = false);
    // A read-only view; the bytes must outlive the stream.
    [[nodiscard]] static Ref<MemoryStream> view(std::span<const std::uint8_t> bytes);

    std::size_t read(void* buffer, std::size_t size) override;
    std::size_t write(const void* buffer, std::size_t size) override;
    [[nodiscard]] std::int64_t position() const override { return _position; }
    [[nodiscard]] std::int64_t size() const override { return static_cast<std::int64_t>(_size); }
    bool seek(std::int64_t position) override;

    [[nodiscard]] std::span<const std::uint8_t> bytes() const { return {_data, _size}; }

private:
    std::vector<std::uint8_t> _owned;
    const std::uint8_t* _data = nullptr;
    std::size_t _size = 0;
    std::size_t _position = 0;
    bool _writeable = false;
};

// A file on disk.
class FileStream : public Stream {
    TARVEX_OBJECT(FileStream, Stream)
public:
    FileStream() = default;
    ~FileStream() override;
    FileStream(const FileStream&) = delete;
    FileStream& operator=(const FileStream&) = delete;

    // Null when the file cannot be opened in that mode. Writing creates or truncates the file
    // unless reading is asked for as well.
    [[nodiscard]] static Ref<FileStream> open(const std::string& path, int mode);

    std::size_t read(void* buffer, std::size_t size) override;
    std::size_t write(const void* buffer, std::size_t size) override;
    [[nodiscard]] std::int64_t position() const override;
    [[nodiscard]] std::int64_t size() const override;
    bool seek(std::int64_t position) override;

private:
    std::FILE* _file = nullptr;
};

// A scheme factory receives the name after "scheme::" and the StreamMode bits; null means the
// stream cannot be opened.
using StreamFactory = std::function<Ref<Stream>(const std::string& rest, int mode)>;

// Registers (or replaces) the factory of a scheme, given without the "::".
void registerStreamScheme(const std::string& scheme, StreamFactory factory);
// Opens a name: "scheme::rest" through the scheme's factory (null for an unknown scheme), any
// other name as a plain file.
[[nodiscard]] Ref<Stream> openStream(const std::string& url, int mode = STREAM_READ);

// Makes compiled-in bytes readable as "incbin::<name>"; the bytes must live for the whole run.
void registerIncbin(const std::string& name, std::span<const std::uint8_t> bytes);
// Makes an owned buffer readable as "memory::<name>" (each opening reads a copy).
void registerMemoryFile(const std::string& name, std::vector<std::uint8_t> bytes);

// Reads the rest of the stream; null when it holds more than `maxBytes`.
[[nodiscard]] std::optional<std::vector<std::uint8_t>> readAllBytes(Stream& stream,
                                                                    std::size_t maxBytes);
// Opens and reads a whole stream; null when it cannot be opened or is larger than `maxBytes`.
[[nodiscard]] std::optional<std::vector<std::uint8_t>> loadBytes(const std::string& url,
                                                                 std::size_t maxBytes);

} // namespace tarvex::platform
