#include "resources/TileResources.hpp"

#include "core/DebugLog.hpp"
#include "core/TypeBuilder.hpp"

namespace tarvex {

namespace {

TileResourceReader& mapReader() {
    static TileResourceReader reader;
    return reader;
}

TileResourceReader& setReader() {
    static TileResourceReader reader;
    return reader;
}

} // namespace

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

void TileMapResource::setReader(TileResourceReader reader) {
    mapReader() = std::move(reader);
}

void TileMapResource::_load() {
    const std::string& file = _assetFile();
    _tilemap = mapReader() ? mapReader()(file) : nullptr;
    if (!_tilemap && mapReader()) {
        _reportUnreadable(file);
    }
}

void TileSetResource::setReader(TileResourceReader reader) {
    tarvex::setReader() = std::move(reader);
}

void TileSetResource::_load() {
    const std::string& file = _assetFile();
    _tileset = tarvex::setReader() ? tarvex::setReader()(file) : nullptr;
    if (!_tileset && tarvex::setReader()) {
        debugLog("Could not load tileset from: " + file);
        _reportUnreadable(file);
    }
}

} // namespace tarvex
