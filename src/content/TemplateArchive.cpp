#include "content/TemplateArchive.hpp"

#include "platform/Stream.hpp"

#include <array>
#include <minizip/unzip.h>

namespace tarvex {

namespace {

// minizip reads the archive through these callbacks; `opaque` is the platform stream.
platform::Stream& streamOf(voidpf opaque) {
    return *static_cast<platform::Stream*>(opaque);
}

voidpf openArchive(voidpf opaque, const void* /*filename*/, int /*mode*/) {
    return opaque;
}

uLong readArchive(voidpf opaque, voidpf /*stream*/, void* buffer, uLong size) {
    return static_cast<uLong>(streamOf(opaque).read(buffer, size));
}

uLong writeArchive(voidpf /*opaque*/, voidpf /*stream*/, const void* /*buffer*/, uLong /*size*/) {
    return 0;
}

ZPOS64_T tellArchive(voidpf opaque, voidpf /*stream*/) {
    return static_cast<ZPOS64_T>(streamOf(opaque).position());
}

long seekArchive(voidpf opaque, voidpf /*stream*/, ZPOS64_T offset, int origin) {
    auto& stream = streamOf(opaque);
    std::int64_t base = 0;
    if (origin == ZLIB_FILEFUNC_SEEK_CUR) {
        base = stream.position();
    } else if (origin == ZLIB_FILEFUNC_SEEK_END) {
        base = stream.size();
        if (base < 0) {
            return -1;
        }
    }
    const auto target = base + static_cast<std::int64_t>(offset);
    return stream.seek(target) ? 0 : -1;
}

int closeArchive(voidpf /*opaque*/, voidpf /*stream*/) {
    return 0;
}

int archiveError(voidpf /*opaque*/, voidpf /*stream*/) {
    return 0;
}

// True for an archive that is only an end-of-central-directory record listing no entries.
bool isEmptyArchive(platform::Stream& stream) {
    constexpr std::size_t END_RECORD_BYTES = 22;
    std::array<std::uint8_t, END_RECORD_BYTES> record{};
    if (stream.size() != static_cast<std::int64_t>(END_RECORD_BYTES) || !stream.seek(0) ||
        stream.read(record.data(), record.size()) != record.size()) {
        return false;
    }
    const bool signature = record[0] == 'P' && record[1] == 'K' && record[2] == 5 && record[3] == 6;
    return signature && record[8] == 0 && record[9] == 0 && record[10] == 0 && record[11] == 0;
}

} // namespace

struct TemplateArchive::Handle {
    Ref<platform::Stream> stream;
    unzFile zip = nullptr;
    std::string password;
    std::vector<unz64_file_pos> positions;

    Handle() = default;
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() {
        if (zip != nullptr) {
            unzClose(zip);
        }
    }
};

TemplateArchive::TemplateArchive(std::unique_ptr<Handle> handle) : _handle(std::move(handle)) {}

TemplateArchive::~TemplateArchive() = default;

std::unique_ptr<TemplateArchive> TemplateArchive::open(const std::string& source,
                                                       const std::string& password) {
    auto handle = std::make_unique<Handle>();
    handle->stream = platform::openStream(source);
    if (!handle->stream || handle->stream->size() < 0) {
        return nullptr;
    }
    handle->password = password;
    zlib_filefunc64_def functions{openArchive, readArchive,  writeArchive,
                                  tellArchive, seekArchive,  closeArchive,
                                  archiveError, handle->stream.get()};
    handle->zip = unzOpen2_64(source.c_str(), &functions);
    if (handle->zip == nullptr) {
        // minizip does not open an archive of no entries (a lone end record); it is a valid
        // archive all the same.
        if (!isEmptyArchive(*handle->stream)) {
            return nullptr;
        }
        return std::unique_ptr<TemplateArchive>(new TemplateArchive(std::move(handle)));
    }
    std::unique_ptr<TemplateArchive> archive(new TemplateArchive(std::move(handle)));
    unzFile zip = archive->_handle->zip;
    for (int status = unzGoToFirstFile(zip); status == UNZ_OK; status = unzGoToNextFile(zip)) {
        unz_file_info64 info{};
        if (unzGetCurrentFileInfo64(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) {
            break;
        }
        std::string name(info.size_filename, '\0');
        if (unzGetCurrentFileInfo64(zip, &info, name.data(), info.size_filename, nullptr, 0,
                                    nullptr, 0) != UNZ_OK) {
            break;
        }
        unz64_file_pos position{};
        if (unzGetFilePos64(zip, &position) != UNZ_OK) {
            break;
        }
        archive->_names.push_back(std::move(name));
        archive->_handle->positions.push_back(position);
    }
    return archive;
}

std::optional<std::vector<std::uint8_t>> TemplateArchive::extract(const std::string& name) const {
    std::size_t index = 0;
    while (index < _names.size() && _names[index] != name) {
        ++index;
    }
    if (index == _names.size() || _handle->zip == nullptr) {
        return std::nullopt;
    }
    unzFile zip = _handle->zip;
    auto position = _handle->positions[index];
    unz_file_info64 info{};
    if (unzGoToFilePos64(zip, &position) != UNZ_OK ||
        unzGetCurrentFileInfo64(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK ||
        info.uncompressed_size > MAX_ENTRY_BYTES) {
        return std::nullopt;
    }
    const char* password = _handle->password.empty() ? nullptr : _handle->password.c_str();
    if (unzOpenCurrentFilePassword(zip, password) != UNZ_OK) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(info.uncompressed_size));
    std::size_t filled = 0;
    bool damaged = false;
    while (filled < bytes.size()) {
        const int got = unzReadCurrentFile(zip, bytes.data() + filled,
                                           static_cast<unsigned>(bytes.size() - filled));
        if (got <= 0) {
            damaged = got < 0 || filled < bytes.size();
            break;
        }
        filled += static_cast<std::size_t>(got);
    }
    // Closing checks the CRC once the whole entry has been read.
    if (unzCloseCurrentFile(zip) != UNZ_OK || damaged) {
        return std::nullopt;
    }
    return bytes;
}

} // namespace tarvex
