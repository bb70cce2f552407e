// Reference counting and loading of resources, seen through the manager that counts them.
#include "ResourceTestSupport.hpp"
#include "resources/BaseResource.hpp"
#include "resources/ResourceManager.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using testing::CountingResource;

class BaseResourceTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::registerResourceTestTypes();
        const auto file = testing::memoryText("base/resources.brix", R"([resources] {
            namespace = test;
            [t:resource, n:thing] { type = counting; }
        })");
        manager.loadResources(file, true);
        thing = std::dynamic_pointer_cast<CountingResource>(manager._getResource("test.thing"));
        ASSERT_TRUE(thing);
    }

    ResourceManager manager;
    Ref<CountingResource> thing;
};

TEST_F(BaseResourceTest, LazyGetCountsButDoesNotLoadUntilAnEagerGet) {
    EXPECT_EQ(manager.getResource("test.thing", true), thing);
    EXPECT_EQ(thing->getReferenceCount(), 1);
    EXPECT_FALSE(thing->isLoaded());
    EXPECT_EQ(thing->loads, 0);

    manager.getResource("test.thing", false);
    EXPECT_EQ(thing->getReferenceCount(), 2);
    EXPECT_TRUE(thing->isLoaded());
    EXPECT_EQ(thing->loads, 1);

    manager.getResource("test.thing", false); // already read: not read again
    EXPECT_EQ(thing->loads, 1);
    EXPECT_EQ(thing->getReferenceCount(), 3);
}

TEST_F(BaseResourceTest, GetOnTheResourceReadsItOnceWithoutCounting) {
    (void)thing->get();
    (void)thing->get();
    EXPECT_EQ(thing->loads, 1);
    EXPECT_EQ(thing->getReferenceCount(), 0);
}

TEST_F(BaseResourceTest, OnlyTheStepToZeroReleasesAndFreedResourcesStayLoaded) {
    manager.getResource("test.thing", false);
    manager.getResource("test.thing", false);
    manager.freeResource("test.thing");
    EXPECT_EQ(thing->frees, 0);
    manager.freeResource("test.thing");
    EXPECT_EQ(thing->getReferenceCount(), 0);
    EXPECT_EQ(thing->frees, 1);

    manager.freeResource("test.thing"); // below zero: nothing more is released
    EXPECT_EQ(thing->getReferenceCount(), -1);
    EXPECT_EQ(thing->frees, 1);

    // Released but still marked loaded: a later get does not read it again, reload does.
    manager.getResource("test.thing", false);
    (void)thing->get();
    EXPECT_EQ(thing->loads, 1);
    thing->reload();
    EXPECT_EQ(thing->loads, 2);
}

TEST_F(BaseResourceTest, NameIsTheDefinitionsFullName) {
    EXPECT_EQ(thing->getName(), "test.thing");
    EXPECT_EQ(thing->getDefinition()->getName(), "thing");
    CountingResource bare;
    EXPECT_EQ(bare.getName(), "");
}

} // namespace
} // namespace tarvex
