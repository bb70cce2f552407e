// The readers and writers of tile map and tile set files. TileMapLoader finds every class
// derived from TileMapSerializer or TileSetSerializer in the type registry and lets each try a
// stream in turn, so another file format is one more registered class. The binary formats
// ("PM" maps, "PT" sets) are all little-endian; strings are 8-bit text preceded by their
// length.
//
// Map file: "PM", width, height, layers (uint16 each), every cell (uint16, layer after layer,
// x + y x width within a layer), then optionally a uint16 metadata count and per entry a uint16
// key length, the key, an int32 value length and the value.
//
// Set file: "PT", the tile and animated tile counts (uint16), the tile records, the animated
// tile records and optionally metadata as above. A tile record is an int32 id, one byte per
// side (up, right, down, left), an opacity byte (alpha x 255) and the tile's metadata; an
// animated record is its name (int32 length), a looped byte, a uint16 frame count and per frame
// two int32 values, the tile index and the time.
//
// A file whose header or sizes are wrong, or whose cells are cut short, reads as null. A file
// cut inside its optional parts reads as far as its last complete record.
#pragma once

#include "core/Object.hpp"
#include "platform/Stream.hpp"
#include "tilemaps/TileMap.hpp"
#include "tilemaps/TileSet.hpp"

namespace tarvex {

class TileMapSerializer : public Object {
    TARVEX_OBJECT(TileMapSerializer, Object)
public:
    // Null when the stream does not hold a map of this format.
    [[nodiscard]] virtual Ref<TileMap> Load(platform::Stream& stream) = 0;
    // False when the stream does not take every byte.
    virtual bool Save(platform::Stream& stream, const TileMap& map) = 0;
};

class TileSetSerializer : public Object {
    TARVEX_OBJECT(TileSetSerializer, Object)
public:
    [[nodiscard]] virtual Ref<TileSet> Load(platform::Stream& stream) = 0;
    // False when the set does not fit the format (more than 65535 tiles, frames or metadata
    // entries, a key longer than 65535 bytes) or the stream does not take every byte.
    virtual bool save(platform::Stream& stream, const TileSet& tileSet) = 0;
};

class BinaryTileMapSerializer : public TileMapSerializer {
    TARVEX_OBJECT(BinaryTileMapSerializer, TileMapSerializer)
public:
    static constexpr const char* HEADER = "PM";

    [[nodiscard]] Ref<TileMap> Load(platform::Stream& stream) override;
    bool Save(platform::Stream& stream, const TileMap& map) override;
};

class BinaryTileSetSerializer : public TileSetSerializer {
    TARVEX_OBJECT(BinaryTileSetSerializer, TileSetSerializer)
public:
    static constexpr const char* HEADER = "PT";

    [[nodiscard]] Ref<TileSet> Load(platform::Stream& stream) override;
    bool save(platform::Stream& stream, const TileSet& tileSet) override;
};

} // namespace tarvex
