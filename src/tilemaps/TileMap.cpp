#include "tilemaps/TileMap.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex {

const Type& TileMap::staticType() {
    static const Type& type = TypeBuilder<TileMap>("TileMap")
                                  .field("_layerCount", &TileMap::_layerCount)
                                  .field("_width", &TileMap::_width)
                                  .field("_height", &TileMap::_height)
                                  .field("_metaData", &TileMap::_metaData)
                                  .field("_mapData", &TileMap::_mapData)
                                  .field("_layerOffset", &TileMap::_layerOffset)
                                  .build();
    return type;
}

bool TileMap::_contains(std::int32_t layer, std::int32_t x, std::int32_t y) const {
    return layer >= 0 && layer < _layerCount && x >= 0 && x < _width && y >= 0 && y < _height;
}

std::size_t TileMap::_offsetOf(std::int32_t layer, std::int32_t x, std::int32_t y) const {
    return static_cast<std::size_t>(layer) * static_cast<std::size_t>(_layerOffset) +
           (static_cast<std::size_t>(x) +
            static_cast<std::size_t>(y) * static_cast<std::size_t>(_width)) *
               2U;
}

std::uint16_t TileMap::getTile(std::int32_t layer, std::int32_t x, std::int32_t y) const {
    if (!_contains(layer, x, y)) {
        return NO_TILE;
    }
    const std::size_t offset = _offsetOf(layer, x, y);
    return static_cast<std::uint16_t>(_mapData[offset] | (_mapData[offset + 1] << 8U));
}

std::string TileMap::getMeta(const std::string& key) const {
    const auto found = _metaData.find(key);
    return found == _metaData.end() ? std::string() : found->second;
}

std::int32_t TileMap::setTile(std::int32_t layer, std::int32_t x, std::int32_t y,
                              std::int32_t value) {
    if (!_contains(layer, x, y) || value < 0) {
        return 0;
    }
    const std::size_t offset = _offsetOf(layer, x, y);
    _mapData[offset] = static_cast<std::uint8_t>(value & 0xFF);
    _mapData[offset + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
    return 1;
}

void TileMap::setMeta(const std::string& key, std::string value) {
    _metaData[key] = std::move(value);
}

Ref<TileMap> TileMap::Create(std::uint16_t width, std::uint16_t height, std::uint16_t layers) {
    if (width == 0 || height == 0 || layers == 0) {
        return nullptr;
    }
    auto map = std::make_shared<TileMap>();
    map->_width = width;
    map->_height = height;
    map->_layerCount = layers;
    map->_initialiseMapData();
    return map;
}

void TileMap::_initialiseMapData() {
    _layerOffset = static_cast<std::int64_t>(_height) * _width * 2;
    _mapData.assign(static_cast<std::size_t>(_layerCount) * static_cast<std::size_t>(_layerOffset),
                    0);
}

} // namespace tarvex
