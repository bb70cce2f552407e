#include "platform/Stream.hpp"

#include "core/TypeBuilder.hpp"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <map>
#include <mutex>

namespace tarvex::platform {

const Type& Stream::staticType() {
    static const Type& type = TypeBuilder<Stream>("Stream").build();
    return type;
}

const Type& MemoryStream::staticType() {
    static const Type& type = TypeBuilder<MemoryStream>("MemoryStream").build();
    return type;
}

const Type& FileStream::staticType() {
    static const Type& type = TypeBuilder<FileStream>("FileStream").build();
    return type;
}

bool Stream::eof() const {
    const auto total = size();
    return total >= 0 && position() >= total;
}

// --- MemoryStream ----------------------------------------------------------------------------

MemoryStream::MemoryStream(std::vector<std::uint8_t> bytes, bool writeable)
    : _owned(std::move(bytes)), _data(_owned.data()), _size(_owned.size()), _writeable(writeable) {}

Ref<MemoryStream> MemoryStream::view(std::span<const std::uint8_t> bytes) {
    auto stream = std::make_shared<MemoryStream>();
    stream->_data = bytes.data();
    stream->_size = bytes.size();
    return stream;
}

std::size_t MemoryStream::read(void* buffer, std::size_t size) {
    const std::size_t count = std::min(size, _size - _position);
    if (count > 0) {
        std::memcpy(buffer, _data + _position, count);
        _position += count;
    }
    return count;
}

std::size_t MemoryStream::write(const void* buffer, std::size_t size) {
    if (!_writeable || size == 0) {
        return 0;
    }
    if (_position + size > _owned.size()) {
        _owned.resize(_position + size);
    }
    std::memcpy(_owned.data() + _position, buffer, size);
    _position += size;
    _data = _owned.data();
    _size = std::max(_size, _position);
    return size;
}

bool MemoryStream::seek(std::int64_t position) {
    if (position < 0 || static_cast<std::uint64_t>(position) > _size) {
        return false;
    }
    _position = static_cast<std::size_t>(position);
    return true;
}

// --- FileStream ------------------------------------------------------------------------------

FileStream::~FileStream() {
    if (_file != nullptr) {
        std::fclose(_file);
    }
}

Ref<FileStream> FileStream::open(const std::string& path, int mode) {
    const bool reading = (mode & STREAM_READ) != 0;
    const bool writing = (mode & STREAM_WRITE) != 0;
    if (path.empty() || (!reading && !writing)) {
        return nullptr;
    }
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        return nullptr;
    }
    const char* fopenMode = reading && writing ? "r+b" : (writing ? "wb" : "rb");
    std::FILE* file = std::fopen(path.c_str(), fopenMode);
    if (file == nullptr) {
        return nullptr;
    }
    auto stream = std::make_shared<FileStream>();
    stream->_file = file;
    return stream;
}

std::size_t FileStream::read(void* buffer, std::size_t size) {
    return std::fread(buffer, 1, size, _file);
}

std::size_t FileStream::write(const void* buffer, std::size_t size) {
    return std::fwrite(buffer, 1, size, _file);
}

std::int64_t FileStream::position() const {
    return std::ftell(_file);
}

std::int64_t FileStream::size() const {
    const long here = std::ftell(_file);
    if (here < 0 || std::fseek(_file, 0, SEEK_END) != 0) {
        return -1;
    }
    const long end = std::ftell(_file);
    std::fseek(_file, here, SEEK_SET);
    return end;
}

bool FileStream::seek(std::int64_t position) {
    if (position < 0 || position > size()) {
        return false;
    }
    return std::fseek(_file, static_cast<long>(position), SEEK_SET) == 0;
}

// --- Schemes ---------------------------------------------------------------------------------

namespace {

struct Schemes {
    std::mutex mutex; // the loading screen's worker thread opens streams too
    std::map<std::string, StreamFactory, std::less<>> factories;
    std::map<std::string, std::span<const std::uint8_t>, std::less<>> incbin;
    std::map<std::string, std::shared_ptr<const std::vector<std::uint8_t>>, std::less<>> memory;
};

// Never destroyed, so that streams can still be opened while static objects are destroyed.
Schemes& schemes() {
    static auto* instance = new Schemes;
    return *instance;
}

Ref<Stream> openIncbin(const std::string& name, int mode) {
    if ((mode & STREAM_WRITE) != 0) {
        return nullptr;
    }
    auto& all = schemes();
    std::span<const std::uint8_t> bytes;
    {
        const std::scoped_lock lock(all.mutex);
        const auto found = all.incbin.find(name);
        if (found == all.incbin.end()) {
            return nullptr;
        }
        bytes = found->second;
    }
    return MemoryStream::view(bytes);
}

Ref<Stream> openMemoryFile(const std::string& name, int mode) {
    auto& all = schemes();
    std::shared_ptr<const std::vector<std::uint8_t>> bytes;
    {
        const std::scoped_lock lock(all.mutex);
        const auto found = all.memory.find(name);
        if (found == all.memory.end()) {
            return nullptr;
        }
        bytes = found->second;
    }
    return std::make_shared<MemoryStream>(*bytes, (mode & STREAM_WRITE) != 0);
}

void registerBuiltinSchemes() {
    static std::once_flag once;
    std::call_once(once, [] {
        auto& all = schemes();
        const std::scoped_lock lock(all.mutex);
        all.factories.emplace("incbin", &openIncbin);
        all.factories.emplace("memory", &openMemoryFile);
    });
}

} // namespace

void registerStreamScheme(const std::string& scheme, StreamFactory factory) {
    registerBuiltinSchemes();
    auto& all = schemes();
    const std::scoped_lock lock(all.mutex);
    all.factories[scheme] = std::move(factory);
}

Ref<Stream> openStream(const std::string& url, int mode) {
    registerBuiltinSchemes();
    const auto separator = url.find("::");
    if (separator == std::string::npos) {
        return FileStream::open(url, mode);
    }
    StreamFactory factory;
    {
        auto& all = schemes();
        const std::scoped_lock lock(all.mutex);
        const auto found = all.factories.find(std::string_view(url).substr(0, separator));
        if (found == all.factories.end()) {
            return nullptr;
        }
        factory = found->second;
    }
    return factory(url.substr(separator + 2), mode);
}

void registerIncbin(const std::string& name, std::span<const std::uint8_t> bytes) {
    registerBuiltinSchemes();
    auto& all = schemes();
    const std::scoped_lock lock(all.mutex);
    all.incbin[name] = bytes;
}

void registerMemoryFile(const std::string& name, std::vector<std::uint8_t> bytes) {
    registerBuiltinSchemes();
    auto& all = schemes();
    const std::scoped_lock lock(all.mutex);
    all.memory[name] = std::make_shared<const std::vector<std::uint8_t>>(std::move(bytes));
}

std::optional<std::vector<std::uint8_t>> readAllBytes(Stream& stream, std::size_t maxBytes) {
    std::vector<std::uint8_t> bytes;
    const auto total = stream.size();
    if (total >= 0) {
        const auto remaining =
            static_cast<std::uint64_t>(std::max<std::int64_t>(0, total - stream.position()));
        if (remaining > maxBytes) {
            return std::nullopt;
        }
        bytes.reserve(static_cast<std::size_t>(remaining));
    }
    std::uint8_t chunk[16384];
    for (;;) {
        const std::size_t count = stream.read(chunk, sizeof chunk);
        if (count == 0) {
            break;
        }
        if (bytes.size() + count > maxBytes) {
            return std::nullopt;
        }
        bytes.insert(bytes.end(), chunk, chunk + count);
    }
    return bytes;
}

std::optional<std::vector<std::uint8_t>> loadBytes(const std::string& url, std::size_t maxBytes) {
    const auto stream = openStream(url, STREAM_READ);
    if (!stream) {
        return std::nullopt;
    }
    return readAllBytes(*stream, maxBytes);
}

} // namespace tarvex::platform
