#include "core/TextObject.hpp"
#include "tilemaps/TileSet.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

TEST(TileSet, AnimatedTilesAreNumberedAfterThePlainOnes) {
    auto set = TileSet::Create();
    const auto first = Tile::Create(false, false, false, false, 1.0F);
    const auto second = Tile::Create(true, true, true, true, 0.5F);
    const auto wave = std::make_shared<AnimatedTile>();
    EXPECT_EQ(set->addTile(first), 0);
    EXPECT_EQ(set->addTile(second), 1);
    EXPECT_EQ(set->addAnimatedTile(wave), 0);
    EXPECT_FALSE(set->getTileInfo(0)); // not before the lookup is built
    set->_updateInternals();
    EXPECT_EQ(set->getTileInfo(0), first);
    EXPECT_EQ(set->getTileInfo(1), second);
    EXPECT_EQ(set->getTileInfo(2), wave);
    EXPECT_FALSE(set->getTileInfo(3));
    EXPECT_FALSE(set->getTileInfo(-1));
}

TEST(TileSet, NullTilesAreNotAdded) {
    auto set = TileSet::Create();
    EXPECT_EQ(set->addTile(nullptr), -1);
    EXPECT_EQ(set->addAnimatedTile(nullptr), -1);
    EXPECT_EQ(set->countTiles(), 0);
}

TEST(TileSet, TileIsAnimatedByItsAnimationNameMetadata) {
    auto set = TileSet::Create();
    auto plain = Tile::Create(false, false, false, false, 1.0F);
    auto named = Tile::Create(false, false, false, false, 1.0F);
    named->setMeta("animation_name", TextObject::Create("wave"));
    auto blank = Tile::Create(false, false, false, false, 1.0F);
    blank->setMeta("animation_name", TextObject::Create(""));
    set->addTile(plain);
    set->addTile(named);
    set->addTile(blank);
    set->_updateInternals();
    EXPECT_FALSE(set->tileIsAnimated(0));
    EXPECT_TRUE(set->tileIsAnimated(1));
    EXPECT_FALSE(set->tileIsAnimated(2));
    EXPECT_FALSE(set->tileIsAnimated(9));
}

TEST(Tile, CreateTakesTheSidesUpRightDownLeft) {
    const auto tile = Tile::Create(true, false, false, true, 0.25F);
    EXPECT_EQ(tile->collideUp, 1);
    EXPECT_EQ(tile->collideRight, 0);
    EXPECT_EQ(tile->collideDown, 0);
    EXPECT_EQ(tile->collideLeft, 1);
    EXPECT_FLOAT_EQ(tile->alpha, 0.25F);
    EXPECT_FALSE(tile->getMeta("x"));
    EXPECT_EQ(tile->countMeta(), 0);
}

TEST(AnimatedTile, NameAndFramesComeFromItsLists) {
    AnimatedTile wave;
    EXPECT_EQ(wave.getName(), "");
    wave.setMeta("name", TextObject::Create("wave"));
    wave.m_TileList = {"3", "4", "5"};
    EXPECT_EQ(wave.getName(), "wave");
    EXPECT_EQ(wave.countFrames(), 3);
}

} // namespace
} // namespace tarvex
