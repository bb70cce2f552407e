// The tile sample declared in a resource definition file and read through the resource
// manager.
#include "TileTestData.hpp"
#include "resources/ResourceManager.hpp"
#include "resources/TileResources.hpp"
#include "support/DebugLogCapture.hpp"
#include "tilemaps/TileMap.hpp"
#include "tilemaps/TileMapTypes.hpp"
#include "tilemaps/TileSet.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

class TileResourcesTest : public ::testing::Test {
protected:
    void SetUp() override { registerTileMapTypes(); }
    ResourceManager manager;
};

TEST_F(TileResourcesTest, SampleMapAndSetLoadThroughTheirResourceTypes) {
    manager.loadResources(testing::samplesDirectory() + "/tiles/resources.brix", true);
    const auto mapResource = manager.getResource("samples.tiles.harbour_map", false);
    ASSERT_TRUE(std::dynamic_pointer_cast<TileMapResource>(mapResource));
    const auto map = std::dynamic_pointer_cast<TileMap>(mapResource->get());
    ASSERT_TRUE(map);
    EXPECT_EQ(map->countLayers(), 2);
    EXPECT_EQ(map->getTile(1, 4, 3), 3);
    EXPECT_EQ(map->getMeta("name"), "harbour");

    const auto setResource = manager.getResource("samples.tiles.harbour_tiles", false);
    const auto set = std::dynamic_pointer_cast<TileSet>(setResource->get());
    ASSERT_TRUE(set);
    // Loaded through the resource, the lookup by index is ready.
    ASSERT_TRUE(set->getTileInfo(3));
    EXPECT_FLOAT_EQ(set->getTileInfo(3)->alpha, 127.0F / 255.0F);
    EXPECT_TRUE(std::dynamic_pointer_cast<AnimatedTile>(set->getTileInfo(4)));
    EXPECT_FALSE(set->getTileInfo(5));
}

TEST_F(TileResourcesTest, UnreadableTileSetIsReportedWithItsFile) {
    platform::registerMemoryFile(
        "broken-tiles.brix",
        testing::Bytes()
            .text("[resources] { namespace = broken; [t:r, n:tiles] { type = tileset; "
                  "file = memory::no-such.tileset; } [t:r, n:map] { type = tilemap; "
                  "file = memory::no-such.tilemap; } }")
            .data());
    testing::DebugLogCapture log;
    manager.loadResources("memory::broken-tiles.brix", true);
    const auto set = manager.getResource("broken.tiles", false);
    ASSERT_TRUE(set);
    EXPECT_FALSE(set->get());
    EXPECT_FALSE(manager.getResource("broken.map", false)->get());
    bool reported = false;
    for (const auto& line : log.lines()) {
        reported = reported || line.starts_with("Could not load tileset from: ");
    }
    EXPECT_TRUE(reported);
}

} // namespace
} // namespace tarvex
