#include "resources/TileResources.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex {

const Type& TileMapResource::staticType() {
    static const Type& type = TypeBuilder<TileMapResource>("TileMapResource")
                                  .meta("resource_type", "tilemap")
                                  .field("_tilemap", &TileMapResource::_tilemap)
                                  .build();
    return type;
}

const Type& TileSetResource::staticType() {
    static const Type& type = TypeBuilder<TileSetResource>("TileSetResource")
                                  .meta("resource_type", "tileset")
                                  .field("_tileset", &TileSetResource::_tileset)
                                  .build();
    return type;
}

} // namespace tarvex
