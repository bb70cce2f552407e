#include "resources/ZipDecryption.hpp"

#include <algorithm>
#include <array>
#include <zlib.h>

namespace tarvex::zipcrypto {
namespace {

constexpr std::size_t HEADER_BYTES = 12;
constexpr std::size_t CHUNK = std::size_t{64} * 1024;

class Keys {
public:
    explicit Keys(const std::string& password) : _table(get_crc_table()) {
        for (const char c : password) {
            _update(static_cast<std::uint8_t>(c));
        }
    }

    std::uint8_t decode(std::uint8_t cipher) {
        const std::uint32_t temp = (_keys[2] & 0xFFFFU) | 2U;
        const auto plain = static_cast<std::uint8_t>(cipher ^ ((temp * (temp ^ 1U)) >> 8));
        _update(plain);
        return plain;
    }

private:
    [[nodiscard]] std::uint32_t _crc(std::uint32_t crc, std::uint8_t byte) const {
        return static_cast<std::uint32_t>(_table[(crc ^ byte) & 0xFFU]) ^ (crc >> 8);
    }

    void _update(std::uint8_t plain) {
        _keys[0] = _crc(_keys[0], plain);
        _keys[1] = ((_keys[1] + (_keys[0] & 0xFFU)) * 134775813U) + 1U;
        _keys[2] = _crc(_keys[2], static_cast<std::uint8_t>(_keys[1] >> 24));
    }

    const z_crc_t* _table;
    std::array<std::uint32_t, 3> _keys{0x12345678U, 0x23456789U, 0x34567890U};
};

std::optional<std::vector<std::uint8_t>> inflateRaw(std::span<const std::uint8_t> data,
                                                    std::uint64_t size) {
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> out;
    std::array<std::uint8_t, CHUNK> chunk{};
    // zlib takes a non-const pointer but does not write through next_in.
    stream.next_in = const_cast<Bytef*>(data.data());
    stream.avail_in = static_cast<uInt>(data.size());
    int status = Z_OK;
    while (status == Z_OK) {
        stream.next_out = chunk.data();
        stream.avail_out = static_cast<uInt>(chunk.size());
        status = inflate(&stream, Z_NO_FLUSH);
        const std::size_t produced = chunk.size() - stream.avail_out;
        // Growth follows the bytes actually produced and stops at the declared size.
        if (out.size() + produced > size) {
            status = Z_DATA_ERROR;
            break;
        }
        out.insert(out.end(), chunk.begin(), chunk.begin() + static_cast<long>(produced));
        if (status == Z_BUF_ERROR || (status == Z_OK && produced == 0 && stream.avail_in == 0)) {
            break; // the data ran out before the end of the deflate stream
        }
    }
    inflateEnd(&stream);
    if (status != Z_STREAM_END) {
        return std::nullopt;
    }
    return out;
}

} // namespace

std::optional<std::vector<std::uint8_t>> decryptMember(std::span<const std::uint8_t> raw,
                                                       const std::string& password,
                                                       const MemberFacts& facts) {
    if (raw.size() < HEADER_BYTES || (facts.method != 0 && facts.method != Z_DEFLATED)) {
        return std::nullopt;
    }
    Keys keys(password);
    std::uint8_t last = 0;
    for (std::size_t i = 0; i < HEADER_BYTES; ++i) {
        last = keys.decode(raw[i]);
    }
    if (last != facts.checkByte) {
        return std::nullopt; // a wrong password, with 255 chances in 256
    }
    std::vector<std::uint8_t> plain(raw.size() - HEADER_BYTES);
    std::transform(raw.begin() + HEADER_BYTES, raw.end(), plain.begin(),
                   [&](std::uint8_t cipher) { return keys.decode(cipher); });

    std::optional<std::vector<std::uint8_t>> bytes;
    if (facts.method == 0) {
        bytes = std::move(plain);
    } else {
        bytes = inflateRaw(plain, facts.size);
    }
    if (!bytes || bytes->size() != facts.size) {
        return std::nullopt;
    }
    const auto crc = crc32(crc32(0L, Z_NULL, 0), bytes->data(), static_cast<uInt>(bytes->size()));
    if (crc != facts.crc) {
        return std::nullopt; // the check byte passed by chance, or the data is damaged
    }
    return bytes;
}

} // namespace tarvex::zipcrypto
