#include "TileTestData.hpp"
#include "core/TextObject.hpp"
#include "tilemaps/TileSerializers.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using testing::Bytes;

// "PM", 3 x 2 x 2, the cells numbered 0 to 11.
Bytes mapBytes() {
    Bytes bytes;
    bytes.text("PM").u16(3).u16(2).u16(2);
    for (std::uint16_t cell = 0; cell < 12; ++cell) {
        bytes.u16(static_cast<std::uint16_t>(cell * 257));
    }
    return bytes;
}

Ref<TileMap> readMap(const Bytes& bytes) {
    return BinaryTileMapSerializer().Load(*bytes.stream());
}

Ref<TileSet> readSet(const Bytes& bytes) {
    return BinaryTileSetSerializer().Load(*bytes.stream());
}

TEST(BinaryTileMapSerializer, FileEndingRightAfterTheCellsHasNoMetadata) {
    const auto map = readMap(mapBytes());
    ASSERT_TRUE(map);
    EXPECT_EQ(map->countMetaFields(), 0);
    EXPECT_EQ(map->getTile(0, 0, 0), 0);
    EXPECT_EQ(map->getTile(0, 1, 0), 257);
    EXPECT_EQ(map->getTile(1, 2, 1), 11 * 257);
}

TEST(BinaryTileMapSerializer, SaveThenLoadGivesTheSameMap) {
    auto map = TileMap::Create(5, 4, 3);
    for (int layer = 0; layer < 3; ++layer) {
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 5; ++x) {
                map->setTile(layer, x, y, layer * 1000 + y * 10 + x);
            }
        }
    }
    map->setMeta("name", "harbour");
    map->setMeta("empty", "");
    auto stream = std::make_shared<platform::MemoryStream>(std::vector<std::uint8_t>{}, true);
    ASSERT_TRUE(BinaryTileMapSerializer().Save(*stream, *map));
    ASSERT_TRUE(stream->seek(0));
    const auto loaded = BinaryTileMapSerializer().Load(*stream);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->getMapData(), map->getMapData());
    EXPECT_EQ(loaded->getMetaData(), map->getMetaData());
    EXPECT_EQ(loaded->countLayers(), 3);
}

TEST(BinaryTileMapSerializer, WrongHeaderOrSizesReadAsNull) {
    Bytes wrong;
    wrong.text("PT").u16(1).u16(1).u16(1).u16(0);
    EXPECT_FALSE(readMap(wrong));
    Bytes zero;
    zero.text("PM").u16(0).u16(1).u16(1);
    EXPECT_FALSE(readMap(zero));
    Bytes shortHeader;
    shortHeader.text("PM").u16(1);
    EXPECT_FALSE(readMap(shortHeader));
    EXPECT_FALSE(readMap(Bytes()));
}

TEST(BinaryTileMapSerializer, CellsCutShortReadAsNull) {
    auto bytes = mapBytes();
    std::vector<std::uint8_t> cut(bytes.data().begin(), bytes.data().end() - 1);
    EXPECT_FALSE(BinaryTileMapSerializer().Load(*std::make_shared<platform::MemoryStream>(cut)));
    testing::UnsizedStream unsized(cut);
    EXPECT_FALSE(BinaryTileMapSerializer().Load(unsized));
}

TEST(BinaryTileMapSerializer, HugeDeclaredSizeWithoutTheBytesAllocatesNothing) {
    // Four bytes past the header claim 65535 x 65535 x 65535 cells (over 500 terabytes).
    Bytes bytes;
    bytes.text("PM").u16(65535).u16(65535).u16(65535).u16(0).u16(0);
    EXPECT_FALSE(readMap(bytes));
    testing::UnsizedStream unsized(bytes.data());
    EXPECT_FALSE(BinaryTileMapSerializer().Load(unsized));
}

TEST(BinaryTileMapSerializer, MetadataCutShortKeepsTheEntriesBefore) {
    auto bytes = mapBytes();
    bytes.u16(3).entry("name", "harbour").entry("tiles", "harbour.tileset").u16(4).text("ab");
    const auto map = readMap(bytes);
    ASSERT_TRUE(map);
    EXPECT_EQ(map->countMetaFields(), 2);
    EXPECT_EQ(map->getMeta("tiles"), "harbour.tileset");
}

TEST(BinaryTileMapSerializer, NegativeOrOversizedValueLengthEndsTheMetadata) {
    auto negative = mapBytes();
    negative.u16(1).u16(1).text("k").i32(-5);
    EXPECT_EQ(readMap(negative)->countMetaFields(), 0);
    auto oversized = mapBytes();
    oversized.u16(1).u16(1).text("k").i32(0x7FFFFFFF).text("abc");
    EXPECT_EQ(readMap(oversized)->countMetaFields(), 0);
    testing::UnsizedStream unsized(oversized.data());
    EXPECT_EQ(BinaryTileMapSerializer().Load(unsized)->countMetaFields(), 0);
}

// Two tiles, one animated tile, set metadata.
Bytes setBytes() {
    Bytes bytes;
    bytes.text("PT").u16(2).u16(1);
    bytes.i32(7).u8(1).u8(0).u8(1).u8(0).u8(255).u16(1).entry("name", "wall");
    bytes.i32(8).u8(0).u8(1).u8(0).u8(1).u8(127).u16(0);
    bytes.i32(4).text("wave").u8(1).u16(2).i32(3).i32(200).i32(4).i32(150);
    bytes.u16(3).entry("height", "8").entry("image", "tiles.png").entry("width", "16");
    return bytes;
}

TEST(BinaryTileSetSerializer, ReadsTilesAnimatedTilesAndMetadata) {
    auto set = readSet(setBytes());
    ASSERT_TRUE(set);
    ASSERT_EQ(set->countTiles(), 2);
    ASSERT_EQ(set->countAnimatedTiles(), 1);
    const auto& wall = set->getTiles()[0];
    EXPECT_EQ(wall->id, 7);
    EXPECT_EQ(wall->collideUp, 1);
    EXPECT_EQ(wall->collideRight, 0);
    EXPECT_EQ(wall->collideDown, 1);
    EXPECT_EQ(wall->collideLeft, 0);
    EXPECT_FLOAT_EQ(wall->alpha, 1.0F);
    EXPECT_EQ(wall->getMeta("name")->ToString(), "wall");
    EXPECT_FLOAT_EQ(set->getTiles()[1]->alpha, 127.0F / 255.0F);
    const auto& wave = set->getAnimatedTiles()[0];
    EXPECT_EQ(wave->getName(), "wave");
    EXPECT_EQ(wave->isLooped, 1);
    EXPECT_EQ(wave->m_TileList, (std::vector<std::string>{"3", "4"}));
    EXPECT_EQ(wave->m_TimerList, (std::vector<std::string>{"200", "150"}));
    EXPECT_EQ(set->getTileWidth(), 16);
    EXPECT_EQ(set->getTileHeight(), 8);
    EXPECT_EQ(set->getMeta("image"), "tiles.png");
    EXPECT_FALSE(set->getTileInfo(0)); // the reader leaves the lookup to its user
}

TEST(BinaryTileSetSerializer, HalfOpacityIsStoredAsByte127) {
    auto set = TileSet::Create();
    set->addTile(Tile::Create(false, false, false, false, 0.5F));
    set->addTile(Tile::Create(false, false, false, false, 3.0F));
    set->addTile(Tile::Create(false, false, false, false, -1.0F));
    auto stream = std::make_shared<platform::MemoryStream>(std::vector<std::uint8_t>{}, true);
    ASSERT_TRUE(BinaryTileSetSerializer().save(*stream, *set));
    EXPECT_EQ(stream->bytes()[6 + 8], 127); // header 6 bytes, then id and four sides
    EXPECT_EQ(stream->bytes()[6 + 11 + 8], 255);
    EXPECT_EQ(stream->bytes()[6 + 22 + 8], 0);
    ASSERT_TRUE(stream->seek(0));
    const auto loaded = BinaryTileSetSerializer().Load(*stream);
    EXPECT_FLOAT_EQ(loaded->getTiles()[0]->alpha, 127.0F / 255.0F);
}

TEST(BinaryTileSetSerializer, SaveThenLoadGivesTheSameSet) {
    const auto original = readSet(setBytes());
    auto stream = std::make_shared<platform::MemoryStream>(std::vector<std::uint8_t>{}, true);
    ASSERT_TRUE(BinaryTileSetSerializer().save(*stream, *original));
    EXPECT_EQ(std::vector<std::uint8_t>(stream->bytes().begin(), stream->bytes().end()),
              setBytes().data());
}

TEST(BinaryTileSetSerializer, RecordCutShortEndsTheReadWithTheTilesBefore) {
    Bytes bytes;
    bytes.text("PT").u16(3).u16(1);
    bytes.i32(1).u8(0).u8(0).u8(0).u8(0).u8(255).u16(0);
    bytes.i32(2).u8(0).u8(0).u8(0).u8(0).u8(255).u16(2).entry("a", "b").u16(9); // cut
    const auto set = readSet(bytes);
    ASSERT_TRUE(set);
    EXPECT_EQ(set->countTiles(), 1);
    EXPECT_EQ(set->countAnimatedTiles(), 0);
}

TEST(BinaryTileSetSerializer, HugeCountsWithoutTheBytesCostNothing) {
    Bytes bytes;
    bytes.text("PT").u16(65535).u16(65535).i32(1).u8(0).u8(0).u8(0).u8(0).u8(0).u16(65535);
    const auto set = readSet(bytes);
    ASSERT_TRUE(set);
    EXPECT_EQ(set->countTiles(), 0);
    Bytes animated;
    animated.text("PT").u16(0).u16(1).i32(0x7FFFFFFF).text("x");
    EXPECT_EQ(readSet(animated)->countAnimatedTiles(), 0);
}

TEST(BinaryTileSetSerializer, WrongHeaderReadsAsNull) {
    Bytes bytes;
    bytes.text("PM").u16(0).u16(0);
    EXPECT_FALSE(readSet(bytes));
    Bytes shortHeader;
    shortHeader.text("PT").u16(0);
    EXPECT_FALSE(readSet(shortHeader));
}

} // namespace
} // namespace tarvex
