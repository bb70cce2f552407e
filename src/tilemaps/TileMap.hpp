// A layered grid of 16-bit tile indices with text metadata. All layers live in one byte buffer,
// layer after layer, rows after rows, two little-endian bytes per cell, which is also how the
// map file stores them:
//
//     auto map = TileMap::Create(32, 24, 2);
//     map->setTile(1, 4, 3, 17);
//     map->getTile(1, 4, 3);    // 17
//     map->getTile(2, 0, 0);    // 65535: no such layer
#pragma once

#include "core/Object.hpp"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tarvex {

class TileMap : public Object {
    TARVEX_OBJECT(TileMap, Object)
public:
    // The answer of getTile outside the map.
    static constexpr std::uint16_t NO_TILE = 65535;

    // The cell, or NO_TILE when the layer or position lies outside the map.
    [[nodiscard]] std::uint16_t getTile(std::int32_t layer, std::int32_t x, std::int32_t y) const;
    [[nodiscard]] std::int32_t countMetaFields() const {
        return static_cast<std::int32_t>(_metaData.size());
    }
    [[nodiscard]] std::int32_t getHeight() const { return _height; }
    [[nodiscard]] std::int32_t getWidth() const { return _width; }
    // "" for an absent key.
    [[nodiscard]] std::string getMeta(const std::string& key) const;
    [[nodiscard]] std::int32_t countLayers() const { return _layerCount; }
    // Writes the low 16 bits of `value` and answers 1; 0 (nothing written) outside the map or
    // for a negative value.
    std::int32_t setTile(std::int32_t layer, std::int32_t x, std::int32_t y, std::int32_t value);
    // Maps keep their size once made: these change nothing and answer 0.
    std::int32_t FillRange() { return 0; }
    std::int32_t addLayer() { return 0; }
    std::int32_t insertLayer(std::int32_t /*index*/) { return 0; }
    std::int32_t removeLayer(std::int32_t /*index*/) { return 0; }
    void setMeta(const std::string& key, std::string value);

    // Null when any size is 0.
    [[nodiscard]] static Ref<TileMap> Create(std::uint16_t width, std::uint16_t height,
                                             std::uint16_t layers);

    // Bytes per layer: width x height x 2.
    [[nodiscard]] std::int64_t getLayerOffset() const { return _layerOffset; }
    // Every layer, as stored and saved.
    [[nodiscard]] const std::vector<std::uint8_t>& getMapData() const { return _mapData; }
    [[nodiscard]] std::vector<std::uint8_t>& _getMapData() { return _mapData; }
    [[nodiscard]] const std::map<std::string, std::string>& getMetaData() const {
        return _metaData;
    }

private:
    // Sizes the buffer for the map's dimensions (zero-filled).
    void _initialiseMapData();
    [[nodiscard]] bool _contains(std::int32_t layer, std::int32_t x, std::int32_t y) const;
    [[nodiscard]] std::size_t _offsetOf(std::int32_t layer, std::int32_t x, std::int32_t y) const;

    std::int32_t _layerCount = 0;
    std::int32_t _width = 0;
    std::int32_t _height = 0;
    std::map<std::string, std::string> _metaData;
    std::vector<std::uint8_t> _mapData;
    // 64 bits: a 65535 x 65535 layer does not fit 32.
    std::int64_t _layerOffset = 0;
};

} // namespace tarvex
