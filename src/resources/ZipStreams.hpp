// Stream schemes that read one member of a zip archive, so that any reader (Brix files,
// resource definitions, images, sounds) can take its data from an archive unchanged:
//
//     "zip::pack.zip://levels/resources.brix"          a member, no password
//     "zip::secret@pack.zip://levels/resources.brix"   the text before "@" is the password
//     "zipe::pack.zip::levels/resources.brix::secret"  the same through the older syntax
//
// Both answer a read-only stream over the member's uncompressed bytes, held in memory, or null
// when the archive or member is missing or unreadable (see ZipArchive for what is refused).
// "zip::" refuses write-only opening with an error; "zipe::" reports its troubles on the debug
// log. registerZipStreams() makes both schemes known to platform::openStream at start-up.
#pragma once

#include "platform/Stream.hpp"

#include <string>

namespace tarvex {

// A "zipe::" member: a read-only memory stream whose failed seeks are reported on the debug log.
class ZipEngineStream : public platform::MemoryStream {
    TARVEX_OBJECT(ZipEngineStream, platform::MemoryStream)
public:
    ZipEngineStream() = default;
    explicit ZipEngineStream(std::vector<std::uint8_t> bytes)
        : platform::MemoryStream(std::move(bytes), false) {}

    bool seek(std::int64_t position) override;
};

// The factories behind the schemes; `rest` is the name after "zip::" or "zipe::".
[[nodiscard]] Ref<platform::Stream> openZipMember(const std::string& rest, int mode);
[[nodiscard]] Ref<platform::Stream> openZipEngineMember(const std::string& rest, int mode);

// Registers "zip" and "zipe" with the platform's stream layer; safe to call again.
void registerZipStreams();

} // namespace tarvex
