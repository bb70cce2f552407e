#include "tilemaps/TileSet.hpp"

#include "core/TextObject.hpp"
#include "core/TypeBuilder.hpp"

namespace tarvex {

const Type& TileSet::staticType() {
    static const Type& type = TypeBuilder<TileSet>("TileSet")
                                  .field("_imageName", &TileSet::_imageName)
                                  .field("_tileWidth", &TileSet::_tileWidth)
                                  .field("_tileHeight", &TileSet::_tileHeight)
                                  .field("_tiles", &TileSet::_tiles)
                                  .field("_animatedTiles", &TileSet::_animatedTiles)
                                  .field("_tileLookup", &TileSet::_tileLookup)
                                  .field("_animatedTileLookup", &TileSet::_animatedTileLookup)
                                  .field("_metaData", &TileSet::_metaData)
                                  .field("_tileCount", &TileSet::_tileCount)
                                  .field("_animatedTileCount", &TileSet::_animatedTileCount)
                                  .build();
    return type;
}

std::string TileSet::getMeta(const std::string& key) const {
    const auto found = _metaData.find(key);
    return found == _metaData.end() ? std::string() : found->second;
}

Ref<Tile> TileSet::getTileInfo(std::int32_t index) const {
    if (index < 0) {
        return nullptr;
    }
    if (index < _tileCount) {
        return _tileLookup[static_cast<std::size_t>(index)];
    }
    if (index - _tileCount < _animatedTileCount) {
        return _animatedTileLookup[static_cast<std::size_t>(index - _tileCount)];
    }
    return nullptr;
}

void TileSet::setMeta(const std::string& key, std::string value) {
    _metaData[key] = std::move(value);
}

bool TileSet::tileIsAnimated(std::int32_t index) const {
    const auto tile = getTileInfo(index);
    if (!tile) {
        return false;
    }
    const auto* name = dynamic_cast<const TextObject*>(tile->getMeta("animation_name").get());
    return name != nullptr && !name->value.empty();
}

std::int32_t TileSet::addTile(const Ref<Tile>& tile) {
    if (!tile) {
        return -1;
    }
    _tiles.push_back(tile);
    return countTiles() - 1;
}

std::int32_t TileSet::addAnimatedTile(const Ref<AnimatedTile>& tile) {
    if (!tile) {
        return -1;
    }
    _animatedTiles.push_back(tile);
    return countAnimatedTiles() - 1;
}

void TileSet::_updateInternals() {
    _tileCount = countTiles();
    _animatedTileCount = countAnimatedTiles();
    _tileLookup = _tiles;
    _animatedTileLookup = _animatedTiles;
}

} // namespace tarvex
