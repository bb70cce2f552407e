// The zip archives the archive tests read, in tests/resources/data: made with the standard zip
// tool (pack.zip; secret.zip, secret-stored.zip and secret-stream.zip with the password
// "secret", the last written from a pipe) or, for member names the tool refuses to write, with
// Python's zipfile module (climbing.zip).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tarvex::testing {

[[nodiscard]] inline std::string zipData(const std::string& name) {
    return std::string(TARVEX_TEST_DATA_DIR) + "/" + name;
}

// Overwrites the uncompressed size a member declares, in its local header and in the central
// directory alike (minizip refuses a member whose two headers disagree).
inline void declareSize(std::vector<std::uint8_t>& archive, const std::string& member,
                        std::uint32_t size) {
    const auto u16 = [&](std::size_t at) { return archive[at] | (archive[at + 1] << 8); };
    const auto put32 = [&](std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            archive[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
        }
    };
    for (std::size_t at = 0; at + 46 < archive.size(); ++at) {
        if (archive[at] != 'P' || archive[at + 1] != 'K') {
            continue;
        }
        const bool local = archive[at + 2] == 3 && archive[at + 3] == 4;
        const std::size_t nameAt = at + (local ? 30 : 46);
        if (nameAt + u16(at + (local ? 26 : 28)) > archive.size()) {
            continue;
        }
        if (archive[at + 2] == 3 && archive[at + 3] == 4 &&
            std::string(archive.begin() + static_cast<long>(at) + 30,
                        archive.begin() + static_cast<long>(at) + 30 + u16(at + 26)) == member) {
            put32(at + 22, size);
        } else if (archive[at + 2] == 1 && archive[at + 3] == 2 &&
                   std::string(archive.begin() + static_cast<long>(at) + 46,
                               archive.begin() + static_cast<long>(at) + 46 + u16(at + 28)) ==
                       member) {
            put32(at + 24, size);
        }
    }
}

} // namespace tarvex::testing
