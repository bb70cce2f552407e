// Traditional PKWARE ("ZipCrypto") decryption of zip members, for archives made with a password
// by the standard zip tool. Debian's minizip is built without it, so the archive reader fetches
// a protected member's raw bytes through minizip and decrypts and inflates them here.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tarvex::zipcrypto {

struct MemberFacts {
    std::uint32_t crc = 0;      // CRC-32 of the uncompressed bytes
    std::uint64_t size = 0;     // declared uncompressed size (already checked for sanity)
    int method = 0;             // 0 stored, 8 deflated
    std::uint8_t checkByte = 0; // what the last byte of the decrypted header must be
};

// Decrypts `raw` (the 12-byte encryption header and the data), then un-stores or inflates it.
// Null for a wrong password, an unknown method, damaged data or a size or CRC that disagrees
// with `facts`.
[[nodiscard]] std::optional<std::vector<std::uint8_t>>
decryptMember(std::span<const std::uint8_t> raw, const std::string& password,
              const MemberFacts& facts);

} // namespace tarvex::zipcrypto
