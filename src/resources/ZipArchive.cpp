#include "resources/ZipArchive.hpp"

#include "core/TypeBuilder.hpp"
#include "resources/ZipDecryption.hpp"

#include <algorithm>
#include <array>
#include <filesystem>
#include <limits>
#include <minizip/unzip.h>

namespace tarvex {
namespace {

// Deflate cannot expand input by more than about 1032 to 1; a member that declares more than
// this many bytes per compressed byte lies about its size.
constexpr std::uint64_t MAX_INFLATE_RATIO = 1100;
constexpr std::uint64_t RATIO_SLACK = 1024;
constexpr std::size_t CHUNK = std::size_t{64} * 1024;

// minizip reads the archive through these callbacks; `stream` is the platform stream.
platform::Stream& streamOf(voidpf stream) {
    return *static_cast<platform::Stream*>(stream);
}

voidpf openCallback(voidpf opaque, const void* /*filename*/, int /*mode*/) {
    return opaque;
}

uLong readCallback(voidpf /*opaque*/, voidpf stream, void* buffer, uLong size) {
    return static_cast<uLong>(streamOf(stream).read(buffer, size));
}

uLong writeCallback(voidpf /*opaque*/, voidpf /*stream*/, const void* /*buffer*/, uLong /*size*/) {
    return 0;
}

ZPOS64_T tellCallback(voidpf /*opaque*/, voidpf stream) {
    const auto position = streamOf(stream).position();
    return position < 0 ? std::numeric_limits<ZPOS64_T>::max() : static_cast<ZPOS64_T>(position);
}

long seekCallback(voidpf /*opaque*/, voidpf stream, ZPOS64_T offset, int origin) {
    auto& target = streamOf(stream);
    constexpr auto limit = static_cast<ZPOS64_T>(std::numeric_limits<std::int64_t>::max() / 2);
    if (offset > limit) {
        return -1;
    }
    auto position = static_cast<std::int64_t>(offset);
    if (origin == ZLIB_FILEFUNC_SEEK_CUR) {
        position += target.position();
    } else if (origin == ZLIB_FILEFUNC_SEEK_END) {
        position += target.size();
    }
    return target.seek(position) ? 0 : -1;
}

int closeCallback(voidpf /*opaque*/, voidpf /*stream*/) {
    return 0;
}

int errorCallback(voidpf /*opaque*/, voidpf /*stream*/) {
    return 0;
}

// True when the archive ends with a whole end-of-directory record (and its whole comment), so
// that an archive cut short anywhere is refused rather than read as far as it goes.
bool endsWithDirectoryEnd(platform::Stream& stream) {
    constexpr std::int64_t RECORD = 22;
    constexpr std::int64_t MAX_COMMENT = 65535;
    const std::int64_t size = stream.size();
    if (size < RECORD) {
        return false;
    }
    const std::int64_t window = std::min(size, RECORD + MAX_COMMENT);
    std::vector<std::uint8_t> tail(static_cast<std::size_t>(window));
    if (!stream.seek(size - window) || stream.read(tail.data(), tail.size()) != tail.size()) {
        return false;
    }
    for (auto at = static_cast<std::size_t>(window - RECORD) + 1; at-- > 0;) {
        if (tail[at] == 'P' && tail[at + 1] == 'K' && tail[at + 2] == 5 && tail[at + 3] == 6) {
            const std::size_t comment = tail[at + 20] | (tail[at + 21] << 8U);
            if (at + static_cast<std::size_t>(RECORD) + comment == tail.size()) {
                return true;
            }
        }
    }
    return false;
}

unzFile handleOf(void* zip) {
    return static_cast<unzFile>(zip);
}

} // namespace

const Type& ZipArchive::staticType() {
    static const Type& type = TypeBuilder<ZipArchive>("ZipArchive").build();
    return type;
}

ZipArchive::~ZipArchive() {
    if (_zip != nullptr) {
        unzClose(handleOf(_zip));
    }
}

Ref<ZipArchive> ZipArchive::open(const std::string& path) {
    std::error_code error;
    if (path.empty() || !std::filesystem::is_regular_file(path, error)) {
        return nullptr;
    }
    return open(platform::FileStream::open(path, platform::STREAM_READ));
}

Ref<ZipArchive> ZipArchive::open(Ref<platform::Stream> stream) {
    if (!stream || stream->size() < 0 || !endsWithDirectoryEnd(*stream) || !stream->seek(0)) {
        return nullptr;
    }
    auto archive = std::make_shared<ZipArchive>();
    archive->_stream = std::move(stream);
    zlib_filefunc64_def functions{};
    functions.zopen64_file = &openCallback;
    functions.zread_file = &readCallback;
    functions.zwrite_file = &writeCallback;
    functions.ztell64_file = &tellCallback;
    functions.zseek64_file = &seekCallback;
    functions.zclose_file = &closeCallback;
    functions.zerror_file = &errorCallback;
    functions.opaque = archive->_stream.get();
    archive->_zip = unzOpen2_64("", &functions);
    // minizip takes some damaged files (a cut-off directory end) for empty archives.
    if (archive->_zip == nullptr || unzGoToFirstFile(handleOf(archive->_zip)) != UNZ_OK) {
        return nullptr;
    }
    return archive;
}

std::vector<std::string> ZipArchive::entryNames() {
    std::vector<std::string> names;
    const unzFile zip = handleOf(_zip);
    // Names are at most 65535 bytes long (a 16-bit length in the directory).
    std::vector<char> name(65536);
    for (int status = unzGoToFirstFile(zip); status == UNZ_OK; status = unzGoToNextFile(zip)) {
        unz_file_info64 info{};
        if (unzGetCurrentFileInfo64(zip, &info, name.data(), static_cast<uLong>(name.size()),
                                    nullptr, 0, nullptr, 0) != UNZ_OK) {
            break;
        }
        names.emplace_back(name.data(), std::min<std::size_t>(info.size_filename, name.size() - 1));
    }
    return names;
}

bool ZipArchive::isSafeMemberPath(const std::string& member) {
    // A NUL would end the name minizip looks up before the part that was checked.
    if (member.empty() || member.find('\0') != std::string::npos) {
        return false;
    }
    std::size_t start = 0;
    while (start <= member.size()) {
        const auto end = member.find_first_of("/\\", start);
        const auto step = member.substr(start, end == std::string::npos ? end : end - start);
        if (step == "..") {
            return false;
        }
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    return true;
}

std::optional<std::vector<std::uint8_t>> ZipArchive::extract(const std::string& member,
                                                             const std::string& password) {
    const unzFile zip = handleOf(_zip);
    if (!isSafeMemberPath(member) || unzLocateFile(zip, member.c_str(), 1) != UNZ_OK) {
        return std::nullopt;
    }
    unz_file_info64 info{};
    if (unzGetCurrentFileInfo64(zip, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) {
        return std::nullopt;
    }
    const auto archiveBytes = static_cast<std::uint64_t>(_stream->size());
    const std::uint64_t declared = info.uncompressed_size;
    if (declared > MAX_MEMBER_BYTES || info.compressed_size > archiveBytes ||
        declared > info.compressed_size * MAX_INFLATE_RATIO + RATIO_SLACK) {
        return std::nullopt;
    }
    if ((info.flag & 1U) != 0) {
        return _extractEncrypted(info, password);
    }
    // A password for a member that has none is not used: minizip would "decrypt" plain bytes.
    if (unzOpenCurrentFile(zip) != UNZ_OK) {
        return std::nullopt;
    }
    // The buffer grows with the bytes actually inflated, never ahead of them to a declared size.
    std::vector<std::uint8_t> bytes;
    std::array<std::uint8_t, CHUNK> chunk{};
    bool intact = true;
    for (;;) {
        const int count =
            unzReadCurrentFile(zip, chunk.data(), static_cast<unsigned>(chunk.size()));
        if (count < 0) {
            intact = false; // damaged data, or a wrong password garbling it
            break;
        }
        if (count == 0) {
            break;
        }
        if (bytes.size() + static_cast<std::size_t>(count) > declared) {
            intact = false;
            break;
        }
        bytes.insert(bytes.end(), chunk.begin(), chunk.begin() + count);
    }
    // Closing checks the CRC once every declared byte has been read.
    const int closed = unzCloseCurrentFile(zip);
    if (!intact || closed != UNZ_OK || bytes.size() != declared) {
        return std::nullopt;
    }
    return bytes;
}

std::optional<std::vector<std::uint8_t>>
ZipArchive::_extractEncrypted(const unz_file_info64_s& info, const std::string& password) {
    const unzFile zip = handleOf(_zip);
    if (password.empty()) {
        return std::nullopt;
    }
    int method = 0;
    int level = 0;
    // Raw: the bytes as stored (encryption header, then the encrypted, compressed data).
    if (unzOpenCurrentFile2(zip, &method, &level, 1) != UNZ_OK) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> raw;
    std::array<std::uint8_t, CHUNK> chunk{};
    bool intact = true;
    for (;;) {
        const int count =
            unzReadCurrentFile(zip, chunk.data(), static_cast<unsigned>(chunk.size()));
        if (count <= 0) {
            intact = count == 0;
            break;
        }
        if (raw.size() + static_cast<std::size_t>(count) > info.compressed_size) {
            intact = false;
            break;
        }
        raw.insert(raw.end(), chunk.begin(), chunk.begin() + count);
    }
    const int closed = unzCloseCurrentFile(zip);
    if (!intact || closed != UNZ_OK || raw.size() != info.compressed_size) {
        return std::nullopt;
    }
    zipcrypto::MemberFacts facts;
    facts.crc = static_cast<std::uint32_t>(info.crc);
    facts.size = info.uncompressed_size;
    facts.method = method;
    // With a data descriptor (flag bit 3) the CRC was not known when the header was written, so
    // the check byte is the high byte of the modification time instead.
    facts.checkByte =
        static_cast<std::uint8_t>((info.flag & 8U) != 0 ? (info.dosDate >> 8) : (info.crc >> 24));
    return zipcrypto::decryptMember(raw, password, facts);
}

} // namespace tarvex
