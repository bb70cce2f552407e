// Feeds arbitrary bytes to the game-message reader, as a peer could send them: parsed whole
// from a buffer, and cut into messages from a stream arriving in pieces of every size. Every
// input must give a message or a refusal, never a crash, an out-of-bounds read or an
// allocation beyond the body limit; every message given must read safely at any offset.
#include "network/MessageIn.hpp"
#include "network/MessageReader.hpp"

#include <cstddef>
#include <cstdint>
#include <span>

namespace {

void readEverywhere(const tarvex::MessageIn& message) {
    const std::int32_t size = message.getBodySize() + 8;
    for (std::int32_t offset = -4; offset < size && offset < 256; ++offset) {
        (void)message.ReadInt(offset);
        (void)message.ReadShort(offset);
        (void)message.ReadByte(offset);
        (void)message.ReadString(offset, -1);
        (void)message.ReadString(offset, 3);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span bytes(data, size);
    if (const auto message = tarvex::MessageIn::FromBank(bytes)) {
        readEverywhere(*message);
        (void)message->toBuffer();
    }

    // The same bytes as a stream, in pieces whose sizes come from the data itself.
    tarvex::MessageReader reader;
    std::size_t at = 0;
    std::size_t piece = size > 0 ? (data[0] % 23) + 1 : 1;
    while (at < size && !reader.failed()) {
        const std::size_t take = piece < size - at ? piece : size - at;
        reader.append(bytes.subspan(at, take));
        at += take;
        while (const auto whole = reader.next()) {
            if (const auto message = tarvex::MessageIn::FromBank(*whole)) {
                readEverywhere(*message);
            }
        }
        piece = (piece * 7 + 3) % 61 + 1;
    }
    (void)reader.takeAll();
    return 0;
}
