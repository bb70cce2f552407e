#include "TileTestData.hpp"
#include "core/TypeBuilder.hpp"
#include "core/TypeRegistry.hpp"
#include "support/DebugLogCapture.hpp"
#include "tilemaps/TileMapLoader.hpp"
#include "tilemaps/TileMapTypes.hpp"

#include <filesystem>
#include <gtest/gtest.h>

namespace tarvex {
namespace {

// A second map format ("XM": one cell, its value in the next byte), registered after the
// binary one, so the loader must rewind for it.
class OneCellMapSerializer : public TileMapSerializer {
    TARVEX_OBJECT(OneCellMapSerializer, TileMapSerializer)
public:
    Ref<TileMap> Load(platform::Stream& stream) override {
        std::array<std::uint8_t, 3> bytes{};
        if (stream.read(bytes.data(), 3) != 3 || bytes[0] != 'X' || bytes[1] != 'M') {
            return nullptr;
        }
        auto map = TileMap::Create(1, 1, 1);
        map->setTile(0, 0, 0, bytes[2]);
        return map;
    }
    bool Save(platform::Stream& /*stream*/, const TileMap& /*map*/) override { return false; }
};

const Type& OneCellMapSerializer::staticType() {
    static const Type& type = TypeBuilder<OneCellMapSerializer>("OneCellMapSerializer").build();
    return type;
}

class TileMapLoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        registerTileMapTypes();
        TypeRegistry::instance().add<OneCellMapSerializer>();
    }

    static std::string memoryFile(const std::string& name, const testing::Bytes& bytes) {
        platform::registerMemoryFile(name, bytes.data());
        return "memory::" + name;
    }
};

TEST_F(TileMapLoaderTest, EveryReaderIsTriedFromTheSameStart) {
    testing::Bytes bytes;
    bytes.text("XM").u8(42);
    const auto map = TileMapLoader::LoadTileMap(memoryFile("one-cell.map", bytes));
    ASSERT_TRUE(map);
    EXPECT_EQ(map->getTile(0, 0, 0), 42);
}

TEST_F(TileMapLoaderTest, UnreadableSourcesAnswerNull) {
    EXPECT_FALSE(TileMapLoader::LoadTileMap("/no/such/map.tilemap"));
    EXPECT_FALSE(TileMapLoader::LoadTileSet("/no/such/set.tileset"));
    testing::Bytes junk;
    junk.text("JUNK");
    EXPECT_FALSE(TileMapLoader::LoadTileMap(memoryFile("junk.map", junk)));
    EXPECT_FALSE(TileMapLoader::LoadTileSet(memoryFile("junk.set", junk)));
    EXPECT_FALSE(TileMapLoader::GetTilesetSerializer(memoryFile("junk.set", junk)));
}

TEST_F(TileMapLoaderTest, SampleMapAndSetLoad) {
    const std::string tiles = testing::samplesDirectory() + "/tiles";
    const auto map = TileMapLoader::LoadTileMap(tiles + "/harbour.tilemap");
    ASSERT_TRUE(map);
    EXPECT_EQ(map->getWidth(), 16);
    EXPECT_EQ(map->getTile(0, 0, 9), 1);
    EXPECT_EQ(map->getTile(1, 2, 8), 2);
    EXPECT_EQ(map->getMeta("tileset"), "harbour.tileset");
    const auto set = TileMapLoader::LoadTileSet(tiles + "/harbour.tileset");
    ASSERT_TRUE(set);
    EXPECT_EQ(set->countTiles(), 4);
    EXPECT_EQ(set->getTileWidth(), 16);
    testing::DebugLogCapture log;
    EXPECT_TRUE(std::dynamic_pointer_cast<BinaryTileSetSerializer>(
        TileMapLoader::GetTilesetSerializer(tiles + "/harbour.tileset")));
    EXPECT_TRUE(log.contains("HERE"));
}

TEST_F(TileMapLoaderTest, SavingATileSetAnswersByOutcome) {
    const auto set =
        TileMapLoader::LoadTileSet(testing::samplesDirectory() + "/tiles/harbour.tileset");
    const auto writer = std::make_shared<BinaryTileSetSerializer>();
    EXPECT_EQ(TileMapLoader::SaveTileSet("/no/such/dir/out.tileset", set, writer), -1);
    const auto target = std::filesystem::temp_directory_path() / "tarvex-saved.tileset";
    EXPECT_EQ(TileMapLoader::SaveTileSet(target.string(), set, writer), 1);
    const auto again = TileMapLoader::LoadTileSet(target.string());
    std::filesystem::remove(target);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->countAnimatedTiles(), 1);
    EXPECT_EQ(TileMapLoader::SaveTileSet(target.string(), set, nullptr), 0);
    std::filesystem::remove(target);
    EXPECT_EQ(TileMapLoader::SaveTileMap(target.string(), TileMap::Create(1, 1, 1)), 0);
}

} // namespace
} // namespace tarvex
