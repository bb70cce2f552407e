// Feeds arbitrary bytes to the tile map reader: every input must give a map or null, never a
// crash, an out-of-bounds read or an allocation beyond the bytes given. A map that reads must
// survive every cell query and read back the same after a save.
#include "tilemaps/TileSerializers.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto stream = tarvex::platform::MemoryStream::view(std::span(data, size));
    tarvex::BinaryTileMapSerializer reader;
    const auto map = reader.Load(*stream);
    if (!map) {
        return 0;
    }
    // Corners and one step outside each edge.
    for (int layer = -1; layer <= map->countLayers(); layer += map->countLayers() + 1) {
        for (const int x : {-1, 0, map->getWidth() - 1, map->getWidth()}) {
            for (const int y : {-1, 0, map->getHeight() - 1, map->getHeight()}) {
                (void)map->getTile(layer, x, y);
            }
        }
    }
    auto saved =
        std::make_shared<tarvex::platform::MemoryStream>(std::vector<std::uint8_t>{}, true);
    if (!reader.Save(*saved, *map) || !saved->seek(0)) {
        std::abort();
    }
    const auto again = reader.Load(*saved);
    if (!again || again->getMapData() != map->getMapData() ||
        again->getMetaData() != map->getMetaData()) {
        std::abort();
    }
    return 0;
}
