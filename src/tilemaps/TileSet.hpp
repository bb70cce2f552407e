// The tiles of a tile map: their image and size, the plain tiles and the animated tiles, and
// text metadata. Tiles are numbered plain tiles first, then animated tiles, once
// _updateInternals() has built the lookup (the tile-set resource does so after loading):
//
//     auto set = TileSet::Create();
//     set->addTile(Tile::Create(false, false, false, false, 1.0F));   // index 0
//     set->addAnimatedTile(water);                                     // index 1
//     set->_updateInternals();
//     set->getTileInfo(1);   // water
#pragma once

#include "core/Object.hpp"
#include "tilemaps/Tile.hpp"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tarvex {

class TileSet : public Object {
    TARVEX_OBJECT(TileSet, Object)
public:
    [[nodiscard]] std::int32_t getTileWidth() const { return _tileWidth; }
    [[nodiscard]] std::int32_t getTileHeight() const { return _tileHeight; }
    // "" for an absent key.
    [[nodiscard]] std::string getMeta(const std::string& key) const;
    [[nodiscard]] const std::vector<Ref<AnimatedTile>>& getAnimatedTiles() const {
        return _animatedTiles;
    }
    [[nodiscard]] const std::vector<Ref<Tile>>& getTiles() const { return _tiles; }
    [[nodiscard]] std::int32_t countTiles() const {
        return static_cast<std::int32_t>(_tiles.size());
    }
    [[nodiscard]] std::int32_t countAnimatedTiles() const {
        return static_cast<std::int32_t>(_animatedTiles.size());
    }
    // Plain tiles from 0, animated tiles after them; null for any other index (and for every
    // index before _updateInternals()).
    [[nodiscard]] Ref<Tile> getTileInfo(std::int32_t index) const;
    [[nodiscard]] std::int32_t countMetaFields() const {
        return static_cast<std::int32_t>(_metaData.size());
    }
    void setMeta(const std::string& key, std::string value);
    [[nodiscard]] const std::map<std::string, std::string>& getMetaData() const {
        return _metaData;
    }
    // True when the tile at that index has a non-empty "animation_name" metadata value.
    [[nodiscard]] bool tileIsAnimated(std::int32_t index) const;
    // The new tile's position in its list; -1 for null.
    std::int32_t addTile(const Ref<Tile>& tile);
    std::int32_t addAnimatedTile(const Ref<AnimatedTile>& tile);
    // Counts the tiles and rebuilds the lookup by index.
    void _updateInternals();

    void _setTileSize(std::int32_t width, std::int32_t height) {
        _tileWidth = width;
        _tileHeight = height;
    }
    void _setImageName(std::string name) { _imageName = std::move(name); }
    [[nodiscard]] const std::string& getImageName() const { return _imageName; }

    [[nodiscard]] static Ref<TileSet> Create() { return std::make_shared<TileSet>(); }

private:
    std::string _imageName;
    std::int32_t _tileWidth = 0;
    std::int32_t _tileHeight = 0;
    std::vector<Ref<Tile>> _tiles;
    std::vector<Ref<AnimatedTile>> _animatedTiles;
    std::vector<Ref<Tile>> _tileLookup;
    std::vector<Ref<AnimatedTile>> _animatedTileLookup;
    std::map<std::string, std::string> _metaData;
    std::int32_t _tileCount = 0;
    std::int32_t _animatedTileCount = 0;
};

} // namespace tarvex
