#include "tilemaps/TileMapTypes.hpp"

#include "core/TypeRegistry.hpp"
#include "resources/ResourceTypes.hpp"
#include "resources/TileResources.hpp"
#include "tilemaps/TileMapLoader.hpp"

namespace tarvex {

void registerTileMapTypes() {
    registerResourceTypes();
    TypeRegistry::instance()
        .add<TileMap, Tile, AnimatedTileFrame, AnimatedTile, TileSet, TileMapSerializer,
             BinaryTileMapSerializer, TileSetSerializer, BinaryTileSetSerializer>();
    TileMapResource::setReader(
        [](const std::string& file) -> ObjectRef { return TileMapLoader::LoadTileMap(file); });
    TileSetResource::setReader([](const std::string& file) -> ObjectRef {
        auto tileSet = TileMapLoader::LoadTileSet(file);
        if (tileSet) {
            tileSet->_updateInternals(); // users look tiles up by index at once
        }
        return tileSet;
    });
}

} // namespace tarvex
