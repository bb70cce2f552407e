// Feeds arbitrary bytes to the tile set reader: every input must give a set or null, never a
// crash, an out-of-bounds read or an allocation beyond the bytes given. A set that reads must
// answer every index and save and read back to the same bytes.
#include "tilemaps/TileSerializers.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto stream = tarvex::platform::MemoryStream::view(std::span(data, size));
    tarvex::BinaryTileSetSerializer reader;
    const auto set = reader.Load(*stream);
    if (!set) {
        return 0;
    }
    set->_updateInternals();
    const int count = set->countTiles() + set->countAnimatedTiles();
    for (int index = -1; index <= count; ++index) {
        (void)set->getTileInfo(index);
        (void)set->tileIsAnimated(index);
    }
    auto saved =
        std::make_shared<tarvex::platform::MemoryStream>(std::vector<std::uint8_t>{}, true);
    if (!reader.save(*saved, *set) || !saved->seek(0)) {
        std::abort();
    }
    const auto again = reader.Load(*saved);
    auto resaved =
        std::make_shared<tarvex::platform::MemoryStream>(std::vector<std::uint8_t>{}, true);
    if (!again || !reader.save(*resaved, *again) ||
        !std::equal(saved->bytes().begin(), saved->bytes().end(), resaved->bytes().begin(),
                    resaved->bytes().end())) {
        std::abort();
    }
    return 0;
}
