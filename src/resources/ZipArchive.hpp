// Read access to the members of a zip archive, for the "zip::" and "zipe::" stream schemes and
// for whoever wants to walk an archive's entries. Archives come from outside, so every member is
// checked before it is inflated: a member whose declared size is absurd (above
// MAX_MEMBER_BYTES, or more than the compressed bytes could inflate to), a path that climbs out
// of the archive (".."), a truncated or damaged archive and a wrong password all give no bytes,
// never a crash or a huge allocation.
//
//     if (auto archive = ZipArchive::open("pack.zip")) {
//         auto bytes = archive->extract("levels/resources.brix", "secret");   // or ""
//     }
//
// One archive is read by one thread at a time; open another for another thread.
#pragma once

#include "core/Object.hpp"
#include "platform/Stream.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct unz_file_info64_s; // minizip's member record

namespace tarvex {

class ZipArchive : public Object {
    TARVEX_OBJECT(ZipArchive, Object)
public:
    // No member is inflated beyond this many bytes.
    static constexpr std::uint64_t MAX_MEMBER_BYTES = 64ULL << 20;

    ZipArchive() = default;
    ~ZipArchive() override;
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    // Null when `path` is not an existing plain file or holds no readable zip directory with at
    // least one entry.
    [[nodiscard]] static Ref<ZipArchive> open(const std::string& path);
    // Reads the archive from any seekable stream of known size (the archive keeps it).
    [[nodiscard]] static Ref<ZipArchive> open(Ref<platform::Stream> stream);

    // Member names in directory order, directories (names ending in "/") included.
    [[nodiscard]] std::vector<std::string> entryNames();
    // The uncompressed bytes of a member (names compare case-sensitively); an empty password
    // means none. Null when the member is missing, unsafe or cannot be inflated intact.
    [[nodiscard]] std::optional<std::vector<std::uint8_t>> extract(const std::string& member,
                                                                   const std::string& password);

    // True when a member path stays inside the archive: not empty, no ".." step (with either
    // separator) and no NUL character.
    [[nodiscard]] static bool isSafeMemberPath(const std::string& member);

private:
    [[nodiscard]] std::optional<std::vector<std::uint8_t>>
    _extractEncrypted(const unz_file_info64_s& info, const std::string& password);

    Ref<platform::Stream> _stream;
    void* _zip = nullptr; // minizip's unzFile
};

} // namespace tarvex
