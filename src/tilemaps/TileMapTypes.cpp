#include "tilemaps/TileMapTypes.hpp"

#include "core/TypeRegistry.hpp"
#include "kernel/KernelTypes.hpp"
#include "tilemaps/TileSerializers.hpp"

namespace tarvex {

void registerTileMapTypes() {
    registerKernelTypes();
    TypeRegistry::instance()
        .add<TileMap, Tile, AnimatedTileFrame, AnimatedTile, TileSet, TileMapSerializer,
             BinaryTileMapSerializer, TileSetSerializer, BinaryTileSetSerializer>();
}

} // namespace tarvex
