#include "tilemaps/TileSerializers.hpp"

#include "core/TextConversion.hpp"
#include "core/TextObject.hpp"
#include "core/TypeBuilder.hpp"
#include "tilemaps/TileData.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tarvex {

const Type& TileMapSerializer::staticType() {
    static const Type& type = TypeBuilder<TileMapSerializer>("TileMapSerializer").build();
    return type;
}

const Type& TileSetSerializer::staticType() {
    static const Type& type = TypeBuilder<TileSetSerializer>("TileSetSerializer").build();
    return type;
}

const Type& BinaryTileMapSerializer::staticType() {
    static const Type& type =
        TypeBuilder<BinaryTileMapSerializer>("BinaryTileMapSerializer").build();
    return type;
}

const Type& BinaryTileSetSerializer::staticType() {
    static const Type& type =
        TypeBuilder<BinaryTileSetSerializer>("BinaryTileSetSerializer").build();
    return type;
}

namespace {

constexpr std::size_t MAX_COUNT = std::numeric_limits<std::uint16_t>::max();

bool readHeader(TileDataReader& reader, const char* header) {
    std::string text;
    return reader.text(2, text) && text == header;
}

// One metadata entry: uint16 key length, key, int32 value length, value.
bool readEntry(TileDataReader& reader, std::string& key, std::string& value) {
    std::uint16_t keyLength = 0;
    std::int32_t valueLength = 0;
    return reader.u16(keyLength) && reader.text(keyLength, key) && reader.i32(valueLength) &&
           valueLength >= 0 && reader.text(static_cast<std::uint64_t>(valueLength), value);
}

// The optional metadata block: entries up to the first one cut short.
template <class Store> void readMetadata(TileDataReader& reader, Store&& store) {
    std::uint16_t count = 0;
    if (!reader.u16(count)) {
        return;
    }
    for (std::uint16_t i = 0; i < count; ++i) {
        std::string key;
        std::string value;
        if (!readEntry(reader, key, value)) {
            return;
        }
        store(key, std::move(value));
    }
}

bool writeText16(TileDataWriter& writer, const std::string& text) {
    if (text.size() > MAX_COUNT) {
        return false;
    }
    writer.u16(static_cast<std::uint16_t>(text.size()));
    writer.bytes(text.data(), text.size());
    return true;
}

bool writeText32(TileDataWriter& writer, const std::string& text) {
    if (text.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
        return false;
    }
    writer.i32(static_cast<std::int32_t>(text.size()));
    writer.bytes(text.data(), text.size());
    return true;
}

template <class Map, class ToText>
bool writeMetadata(TileDataWriter& writer, const Map& entries, ToText&& toText) {
    if (entries.size() > MAX_COUNT) {
        return false;
    }
    writer.u16(static_cast<std::uint16_t>(entries.size()));
    for (const auto& [key, value] : entries) {
        if (!writeText16(writer, key) || !writeText32(writer, toText(value))) {
            return false;
        }
    }
    return true;
}

std::string metaText(const ObjectRef& value) {
    if (const auto* text = dynamic_cast<const TextObject*>(value.get())) {
        return text->value;
    }
    return value ? value->ToString() : std::string();
}

Ref<Tile> readTile(TileDataReader& reader) {
    auto tile = std::make_shared<Tile>();
    std::uint8_t opacity = 0;
    if (!reader.i32(tile->id) || !reader.u8(tile->collideUp) || !reader.u8(tile->collideRight) ||
        !reader.u8(tile->collideDown) || !reader.u8(tile->collideLeft) || !reader.u8(opacity)) {
        return nullptr;
    }
    tile->alpha = static_cast<float>(opacity) / 255.0F;
    std::uint16_t count = 0;
    if (!reader.u16(count)) {
        return nullptr;
    }
    for (std::uint16_t i = 0; i < count; ++i) {
        std::string key;
        std::string value;
        if (!readEntry(reader, key, value)) {
            return nullptr;
        }
        tile->setMeta(key, TextObject::Create(std::move(value)));
    }
    return tile;
}

Ref<AnimatedTile> readAnimatedTile(TileDataReader& reader) {
    auto tile = std::make_shared<AnimatedTile>();
    std::int32_t nameLength = 0;
    std::string name;
    std::uint16_t frames = 0;
    if (!reader.i32(nameLength) || nameLength < 0 ||
        !reader.text(static_cast<std::uint64_t>(nameLength), name) || !reader.u8(tile->isLooped) ||
        !reader.u16(frames)) {
        return nullptr;
    }
    tile->setMeta("name", TextObject::Create(std::move(name)));
    for (std::uint16_t i = 0; i < frames; ++i) {
        std::int32_t index = 0;
        std::int32_t time = 0;
        if (!reader.i32(index) || !reader.i32(time)) {
            return nullptr;
        }
        tile->m_TileList.push_back(std::to_string(index));
        tile->m_TimerList.push_back(std::to_string(time));
    }
    return tile;
}

// The opacity byte of an alpha value: alpha x 255, truncated, kept within a byte.
std::uint8_t opacityByte(float alpha) {
    const float scaled = alpha * 255.0F;
    if (!(scaled > 0.0F)) { // also NaN
        return 0;
    }
    return scaled >= 255.0F ? 255 : static_cast<std::uint8_t>(scaled);
}

} // namespace

Ref<TileMap> BinaryTileMapSerializer::Load(platform::Stream& stream) {
    TileDataReader reader(stream);
    std::uint16_t width = 0;
    std::uint16_t height = 0;
    std::uint16_t layers = 0;
    if (!readHeader(reader, HEADER) || !reader.u16(width) || !reader.u16(height) ||
        !reader.u16(layers) || width == 0 || height == 0 || layers == 0) {
        return nullptr;
    }
    const std::uint64_t cellBytes = std::uint64_t{width} * height * layers * 2U;
    const std::int64_t left = reader.remaining();
    Ref<TileMap> map;
    if (left >= 0) {
        // The cells must all be there before the map is made.
        if (static_cast<std::uint64_t>(left) < cellBytes) {
            return nullptr;
        }
        map = TileMap::Create(width, height, layers);
        if (!reader.bytesInto(cellBytes, map->_getMapData().data())) {
            return nullptr;
        }
    } else {
        std::vector<std::uint8_t> cells;
        if (!reader.bytes(cellBytes, cells)) {
            return nullptr;
        }
        map = TileMap::Create(width, height, layers);
        map->_getMapData() = std::move(cells);
    }
    readMetadata(reader, [&map](const std::string& key, std::string value) {
        map->setMeta(key, std::move(value));
    });
    return map;
}

bool BinaryTileMapSerializer::Save(platform::Stream& stream, const TileMap& map) {
    TileDataWriter writer(stream);
    writer.bytes(HEADER, 2);
    writer.u16(static_cast<std::uint16_t>(map.getWidth()));
    writer.u16(static_cast<std::uint16_t>(map.getHeight()));
    writer.u16(static_cast<std::uint16_t>(map.countLayers()));
    writer.bytes(map.getMapData().data(), map.getMapData().size());
    const bool fits =
        writeMetadata(writer, map.getMetaData(), [](const std::string& value) { return value; });
    return fits && writer.ok();
}

Ref<TileSet> BinaryTileSetSerializer::Load(platform::Stream& stream) {
    TileDataReader reader(stream);
    std::uint16_t tileCount = 0;
    std::uint16_t animatedCount = 0;
    if (!readHeader(reader, HEADER) || !reader.u16(tileCount) || !reader.u16(animatedCount)) {
        return nullptr;
    }
    auto tileSet = TileSet::Create();
    bool complete = true;
    for (std::uint16_t i = 0; complete && i < tileCount; ++i) {
        auto tile = readTile(reader);
        complete = tile != nullptr;
        tileSet->addTile(tile);
    }
    for (std::uint16_t i = 0; complete && i < animatedCount; ++i) {
        auto tile = readAnimatedTile(reader);
        complete = tile != nullptr;
        tileSet->addAnimatedTile(tile);
    }
    if (complete) {
        readMetadata(reader, [&tileSet](const std::string& key, std::string value) {
            tileSet->setMeta(key, std::move(value));
        });
    }
    if (const std::string width = tileSet->getMeta("width"); !width.empty()) {
        tileSet->_setTileSize(toInt(width), tileSet->getTileHeight());
    }
    if (const std::string height = tileSet->getMeta("height"); !height.empty()) {
        tileSet->_setTileSize(tileSet->getTileWidth(), toInt(height));
    }
    return tileSet;
}

bool BinaryTileSetSerializer::save(platform::Stream& stream, const TileSet& tileSet) {
    const auto& tiles = tileSet.getTiles();
    const auto& animated = tileSet.getAnimatedTiles();
    if (tiles.size() > MAX_COUNT || animated.size() > MAX_COUNT) {
        return false;
    }
    TileDataWriter writer(stream);
    writer.bytes(HEADER, 2);
    writer.u16(static_cast<std::uint16_t>(tiles.size()));
    writer.u16(static_cast<std::uint16_t>(animated.size()));
    for (const auto& tile : tiles) {
        writer.i32(tile->id);
        writer.u8(tile->collideUp);
        writer.u8(tile->collideRight);
        writer.u8(tile->collideDown);
        writer.u8(tile->collideLeft);
        writer.u8(opacityByte(tile->alpha));
        if (!writeMetadata(writer, tile->getMetaData(), metaText)) {
            return false;
        }
    }
    for (const auto& tile : animated) {
        if (tile->m_TileList.size() > MAX_COUNT || !writeText32(writer, tile->getName())) {
            return false;
        }
        writer.u8(tile->isLooped);
        writer.u16(static_cast<std::uint16_t>(tile->m_TileList.size()));
        for (std::size_t i = 0; i < tile->m_TileList.size(); ++i) {
            writer.i32(toInt(tile->m_TileList[i]));
            writer.i32(i < tile->m_TimerList.size() ? toInt(tile->m_TimerList[i]) : 0);
        }
    }
    const bool fits = writeMetadata(writer, tileSet.getMetaData(),
                                    [](const std::string& value) { return value; });
    return fits && writer.ok();
}

} // namespace tarvex
