#include "tilemaps/TileMap.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

TEST(TileMap, ZeroSizeMakesNoMap) {
    EXPECT_FALSE(TileMap::Create(0, 5, 1));
    EXPECT_FALSE(TileMap::Create(5, 0, 1));
    EXPECT_FALSE(TileMap::Create(5, 5, 0));
}

TEST(TileMap, LayersFollowEachOtherInOneBuffer) {
    const auto map = TileMap::Create(3, 2, 2);
    ASSERT_TRUE(map);
    EXPECT_EQ(map->getLayerOffset(), 12);
    EXPECT_EQ(map->getMapData().size(), 24U);
    EXPECT_EQ(map->getWidth(), 3);
    EXPECT_EQ(map->getHeight(), 2);
    EXPECT_EQ(map->countLayers(), 2);
}

TEST(TileMap, CellLiesAtItsLayerRowAndColumnOffsetLittleEndian) {
    auto map = TileMap::Create(3, 2, 2);
    EXPECT_EQ(map->setTile(1, 2, 1, 0x1234), 1);
    // 12 + (2 + 1 x 3) x 2 = 22
    EXPECT_EQ(map->getMapData()[22], 0x34);
    EXPECT_EQ(map->getMapData()[23], 0x12);
    EXPECT_EQ(map->getTile(1, 2, 1), 0x1234);
    EXPECT_EQ(map->getTile(0, 2, 1), 0);
}

TEST(TileMap, OutsideTheMapReadsNoTileAndWritesNothing) {
    auto map = TileMap::Create(3, 2, 2);
    for (const auto& [layer, x, y] : std::vector<std::tuple<int, int, int>>{
             {-1, 0, 0}, {2, 0, 0}, {0, -1, 0}, {0, 3, 0}, {0, 0, -1}, {0, 0, 2}}) {
        EXPECT_EQ(map->getTile(layer, x, y), 65535) << layer << "," << x << "," << y;
        EXPECT_EQ(map->setTile(layer, x, y, 1), 0);
    }
    EXPECT_EQ(map->setTile(0, 0, 0, -1), 0);
    EXPECT_EQ(map->getTile(0, 0, 0), 0);
}

TEST(TileMap, SetTileKeepsTheLowSixteenBits) {
    auto map = TileMap::Create(1, 1, 1);
    EXPECT_EQ(map->setTile(0, 0, 0, 70000), 1);
    EXPECT_EQ(map->getTile(0, 0, 0), 70000 - 65536);
}

TEST(TileMap, ResizingOperationsChangeNothing) {
    auto map = TileMap::Create(2, 2, 1);
    EXPECT_EQ(map->addLayer(), 0);
    EXPECT_EQ(map->insertLayer(0), 0);
    EXPECT_EQ(map->removeLayer(0), 0);
    EXPECT_EQ(map->FillRange(), 0);
    EXPECT_EQ(map->countLayers(), 1);
    map->setMeta("name", "harbour");
    EXPECT_EQ(map->getMeta("name"), "harbour");
    EXPECT_EQ(map->getMeta("none"), "");
    EXPECT_EQ(map->countMetaFields(), 1);
}

} // namespace
} // namespace tarvex
