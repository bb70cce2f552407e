// Registering definition files, choosing serializers and classes, and looking resources up.
#include "ResourceTestSupport.hpp"
#include "core/Error.hpp"
#include "resources/AnimationResource.hpp"
#include "resources/BrixResourceFileSerializer.hpp"
#include "resources/ImageResource.hpp"
#include "resources/ResourceManager.hpp"
#include "resources/TileResources.hpp"
#include "support/DebugLogCapture.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

class ResourceManagerTest : public ::testing::Test {
protected:
    void SetUp() override { testing::registerResourceTestTypes(); }

    static std::string file(const std::string& name, const std::string& body) {
        return testing::memoryText(name, "[resources] { namespace = m; " + body + " }");
    }

    ResourceManager manager;
};

TEST_F(ResourceManagerTest, SerializerIsChosenByTheLowerCasedExtension) {
    EXPECT_TRUE(std::dynamic_pointer_cast<BrixResourceFileSerializer>(
        manager._getSerializer("data/resources.brix")));
    EXPECT_TRUE(manager._getSerializer("DATA/RESOURCES.BRIX"));
    EXPECT_FALSE(manager._getSerializer("data/resources.txt"));
    EXPECT_EQ(ResourceManager::_extensionOf("a.v2/resources"), "");
    EXPECT_EQ(ResourceManager::_extensionOf("a/b.Brix"), "brix");
    // Each call makes a new serializer: a file is read by its own reader.
    EXPECT_NE(manager._getSerializer("a.brix"), manager._getSerializer("a.brix"));
}

TEST_F(ResourceManagerTest, FileWithoutSerializerRaisesWithItsExtension) {
    try {
        manager.loadResources("levels/resources.xml", true);
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "No resource serializer found for type: xml");
    }
}

TEST_F(ResourceManagerTest, ClassIsChosenByTypeAndUnknownTypesRaise) {
    const auto path = file("mgr/types.brix", "[t:r, n:a] { type = imagestrip; }"
                                             "[t:r, n:b] { type = animation; }"
                                             "[t:r, n:c] { type = tileset; }");
    manager.loadResources(path, true);
    EXPECT_TRUE(std::dynamic_pointer_cast<ImageResource>(manager._getResource("m.a")));
    EXPECT_TRUE(std::dynamic_pointer_cast<AnimationResource>(manager._getResource("m.b")));
    EXPECT_TRUE(std::dynamic_pointer_cast<TileSetResource>(manager._getResource("m.c")));
    EXPECT_EQ(manager._getResource("m.c")->get(), nullptr);

    const auto expectError = [this](const std::string& body, const char* message) {
        try {
            manager.loadResources(file("mgr/bad.brix", body), true);
            FAIL() << "no error for " << body;
        } catch (const Error& error) {
            EXPECT_STREQ(error.what(), message);
        }
    };
    expectError("[t:r, n:x] { type = movie; }", "Resource type \"movie\" does not exist");
    // No type and no default_type: no class is picked by accident.
    expectError("[t:r, n:x] { file = x.png; }", "Resource type \"\" does not exist");
}

TEST_F(ResourceManagerTest, LaterDefinitionOfTheSameNameWins) {
    manager.loadResources(file("mgr/first.brix", "[t:r, n:x] { type = image; }"
                                                 "[t:r, n:x] { type = animation; }"),
                          true);
    EXPECT_TRUE(std::dynamic_pointer_cast<AnimationResource>(manager._getResource("m.x")));
    manager.loadResources(file("mgr/second.brix", "[t:r, n:x] { type = counting; }"), true);
    EXPECT_TRUE(std::dynamic_pointer_cast<testing::CountingResource>(manager._getResource("m.x")));
    EXPECT_EQ(manager.getResourceList(), std::vector<std::string>{"m.x"});
}

TEST_F(ResourceManagerTest, EagerLoadingReadsEveryAssetAtOnceLazyNone) {
    const auto path =
        file("mgr/eager.brix", "[t:r, n:b] { type = counting; } [t:r, n:a] { type = counting; }");
    manager.loadResources(path, true);
    EXPECT_FALSE(manager._getResource("m.a")->isLoaded());
    manager.loadResources(path, false);
    const auto a =
        std::dynamic_pointer_cast<testing::CountingResource>(manager._getResource("m.a"));
    EXPECT_EQ(a->loads, 1);
    EXPECT_EQ(a->getReferenceCount(), 0); // registering does not count
    manager.reloadAll();
    EXPECT_EQ(a->loads, 2);
    EXPECT_EQ(manager.getResourceList(), (std::vector<std::string>{"m.a", "m.b"}));
}

TEST_F(ResourceManagerTest, UnknownNameIsNullWithADebugLine) {
    testing::DebugLogCapture log;
    EXPECT_EQ(manager.getResource("m.nothing", false), nullptr);
    EXPECT_TRUE(log.contains("ResourceManager->getResource() - Could not find: m.nothing"));
    manager.freeResource("m.nothing"); // nothing happens
}

TEST_F(ResourceManagerTest, StartCallbackSeesEachFileBeforeItIsRead) {
    const auto caller = std::make_shared<Object>();
    std::vector<std::string> seen;
    std::vector<std::size_t> registeredBefore;
    manager.setStartCallback(caller, [&](const ObjectRef& who, const std::string& name) {
        EXPECT_EQ(who, caller);
        seen.push_back(name);
        registeredBefore.push_back(manager.getResourceList().size());
        return ObjectRef();
    });
    const auto one = file("mgr/one.brix", "[t:r, n:one] { type = counting; }");
    const auto two = file("mgr/two.brix", "[t:r, n:two] { type = counting; }");
    manager.loadResources(one, true);
    manager.loadResources(two, true);
    EXPECT_EQ(seen, (std::vector<std::string>{one, two}));
    EXPECT_EQ(registeredBefore, (std::vector<std::size_t>{0, 1}));
}

} // namespace
} // namespace tarvex
