#include "resources/ZipStreams.hpp"

#include "core/DebugLog.hpp"
#include "core/Error.hpp"
#include "core/TypeBuilder.hpp"
#include "resources/ZipArchive.hpp"

#include <vector>

namespace tarvex {
namespace {

Ref<platform::Stream> extractMember(const std::string& archivePath, const std::string& member,
                                    const std::string& password) {
    const auto archive = ZipArchive::open(archivePath);
    if (!archive) {
        return nullptr;
    }
    auto bytes = archive->extract(member, password);
    if (!bytes) {
        return nullptr;
    }
    return std::make_shared<platform::MemoryStream>(std::move(*bytes), false);
}

std::vector<std::string> splitAtDoubleColons(const std::string& text) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (auto end = text.find("::"); end != std::string::npos; end = text.find("::", start)) {
        parts.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    parts.push_back(text.substr(start));
    return parts;
}

} // namespace

const Type& ZipEngineStream::staticType() {
    static const Type& type = TypeBuilder<ZipEngineStream>("ZipEngineStream").build();
    return type;
}

bool ZipEngineStream::seek(std::int64_t position) {
    if (platform::MemoryStream::seek(position)) {
        return true;
    }
    // Reported rather than raised: decoders seek from inside C libraries (vorbisfile), where an
    // exception cannot pass, and a damaged file must not end the program.
    debugLog("Unable to find file");
    return false;
}

Ref<platform::Stream> openZipMember(const std::string& rest, int mode) {
    if ((mode & platform::STREAM_WRITE) != 0 && (mode & platform::STREAM_READ) == 0) {
        throw Error("The zip:: protocol does not support writing");
    }
    const auto separator = rest.find("://");
    if (separator == std::string::npos) {
        return nullptr;
    }
    // Only an at sign before "://" ends a password; one after it belongs to the member path.
    std::string password;
    std::string archive = rest.substr(0, separator);
    if (const auto at = archive.find('@'); at != std::string::npos) {
        password = archive.substr(0, at);
        archive.erase(0, at + 1);
    }
    return extractMember(archive, rest.substr(separator + 3), password);
}

Ref<platform::Stream> openZipEngineMember(const std::string& rest, int mode) {
    if ((mode & platform::STREAM_WRITE) != 0) {
        debugLog("WARNING: ZipEngine streams are read-only");
    }
    const auto parts = splitAtDoubleColons(rest);
    if (parts.size() != 2 && parts.size() != 3) {
        debugLog("Invalid syntax for URL (ex. zipe::zipfilename::file_in_zip::password)");
        return nullptr;
    }
    const auto archive = ZipArchive::open(parts[0]);
    if (!archive) {
        debugLog("unable to open zip " + parts[0]);
        return nullptr;
    }
    auto bytes = archive->extract(parts[1], parts.size() == 3 ? parts[2] : "");
    if (!bytes) {
        return nullptr;
    }
    return std::make_shared<ZipEngineStream>(std::move(*bytes));
}

void registerZipStreams() {
    platform::registerStreamScheme("zip", &openZipMember);
    platform::registerStreamScheme("zipe", &openZipEngineMember);
}

} // namespace tarvex
