// The description of one tile of a tile set: its id, which of its four sides collide, its
// opacity (0.0 to 1.0) and free metadata. AnimatedTile adds a named list of frames (tile
// indices with their times):
//
//     auto wall = Tile::Create(true, false, true, false, 1.0F);  // up, right, down, left
//     wall->setMeta("sound", TextObject::Create("stone"));
#pragma once

#include "core/Object.hpp"

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace tarvex {

class Tile : public Object {
    TARVEX_OBJECT(Tile, Object)
public:
    // Null when the tile has no metadata or none under that key.
    [[nodiscard]] ObjectRef getMeta(const std::string& key) const;
    void setMeta(const std::string& key, ObjectRef value);
    [[nodiscard]] std::uint16_t countMeta() const;
    // The metadata, in key order; empty when none was set.
    [[nodiscard]] const std::map<std::string, ObjectRef>& getMetaData() const;

    // Note the order of the sides: up, right, down, left.
    [[nodiscard]] static Ref<Tile> Create(bool up, bool right, bool down, bool left, float alpha);

    std::int32_t id = 0;
    std::uint8_t collideLeft = 0;
    std::uint8_t collideUp = 0;
    std::uint8_t collideDown = 0;
    std::uint8_t collideRight = 0;
    float alpha = 1.0F;

private:
    std::unique_ptr<std::map<std::string, ObjectRef>> _meta; // made on the first setMeta
};

// Declared for animation at run time, which tile sets do not do themselves.
class AnimatedTileFrame : public Object {
    TARVEX_OBJECT(AnimatedTileFrame, Object)
public:
    std::int32_t _tile = 0;
    std::int32_t _timer = 0;
};

class AnimatedTile : public Tile {
    TARVEX_OBJECT(AnimatedTile, Tile)
public:
    // The number of frames (entries of m_TileList).
    [[nodiscard]] std::uint16_t countFrames() const {
        return static_cast<std::uint16_t>(m_TileList.size());
    }
    // The metadata "name" as text; "" when absent.
    [[nodiscard]] std::string getName() const;

    std::vector<Ref<AnimatedTileFrame>> _frameList;
    // Frame tile indices and frame times, as decimal text.
    std::vector<std::string> m_TileList;
    std::vector<std::string> m_TimerList;
    std::int32_t AnimPosition = 0;
    std::int32_t AnimTimer = 0;
    std::int32_t NumberOfFrames = 0;
    std::int32_t CurrentImage = 0;
    std::uint8_t isLooped = 0;
};

} // namespace tarvex
