// Opens tile map and tile set files (any stream URL) and lets every registered reader try
// them, from the same starting position, until one answers:
//
//     auto map = TileMapLoader::LoadTileMap("levels/harbour.tilemap");
//     auto tiles = TileMapLoader::LoadTileSet("levels/harbour.tileset");
//     TileMapLoader::SaveTileSet("out.tileset", tiles,
//     std::make_shared<BinaryTileSetSerializer>());
#pragma once

#include "tilemaps/TileSerializers.hpp"

#include <cstdint>
#include <string>

namespace tarvex {

class TileMapLoader {
public:
    // Null when the source cannot be opened or no reader takes it.
    [[nodiscard]] static Ref<TileMap> LoadTileMap(const std::string& source);
    [[nodiscard]] static Ref<TileSet> LoadTileSet(const std::string& source);
    // The reader that takes the source, or null.
    [[nodiscard]] static Ref<TileSetSerializer> GetTilesetSerializer(const std::string& source);
    // -1 when the target cannot be opened for writing, 0 when the serializer (null, or one that
    // cannot write the set) wrote nothing whole, else 1.
    static std::int32_t SaveTileSet(const std::string& target, const Ref<TileSet>& tileSet,
                                    const Ref<TileSetSerializer>& serializer);
    // Maps are not saved through the loader: answers 0 (BinaryTileMapSerializer::Save writes
    // them).
    static std::int32_t SaveTileMap(const std::string& /*target*/, const Ref<TileMap>& /*map*/) {
        return 0;
    }
};

} // namespace tarvex
