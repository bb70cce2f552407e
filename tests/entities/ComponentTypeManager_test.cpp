#include "EntityTestTypes.hpp"
#include "core/Error.hpp"
#include "core/TypeBuilder.hpp"
#include "entities/ComponentTypeManager.hpp"
#include "support/DebugLogCapture.hpp"

#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

namespace tarvex {
namespace {

using testing::BodyComponent;
using testing::MineComponent;

// Used by the first-use test only, so that nothing else has asked for them yet.
class FirstUseA : public EntityComponent {
    TARVEX_OBJECT(FirstUseA, EntityComponent)
};
class FirstUseB : public EntityComponent {
    TARVEX_OBJECT(FirstUseB, EntityComponent)
};
// Never registered: its missing meta name must not spoil the process-wide map.
class Nameless : public EntityComponent {
    TARVEX_OBJECT(Nameless, EntityComponent)
};
class SharedNameA : public EntityComponent {
    TARVEX_OBJECT(SharedNameA, EntityComponent)
};
class SharedNameB : public EntityComponent {
    TARVEX_OBJECT(SharedNameB, EntityComponent)
};

const Type& FirstUseA::staticType() {
    static const Type& type = TypeBuilder<FirstUseA>("FirstUseA").meta("name", "first_a").build();
    return type;
}
const Type& FirstUseB::staticType() {
    static const Type& type = TypeBuilder<FirstUseB>("FirstUseB").meta("name", "first_b").build();
    return type;
}
const Type& Nameless::staticType() {
    static const Type& type = TypeBuilder<Nameless>("Nameless").build();
    return type;
}
const Type& SharedNameA::staticType() {
    static const Type& type = TypeBuilder<SharedNameA>("SharedNameA").meta("name", "same").build();
    return type;
}
const Type& SharedNameB::staticType() {
    static const Type& type = TypeBuilder<SharedNameB>("SharedNameB").meta("name", "same").build();
    return type;
}

class ComponentTypeManagerTest : public ::testing::Test {
protected:
    void SetUp() override { testing::registerEntityTestTypes(); }
};

TEST_F(ComponentTypeManagerTest, IdsAndBitsFollowTheOrderOfFirstUse) {
    // B is asked for first, so it gets the lower id whatever the class order.
    const auto& b = ComponentTypeManager::getTypeFor(&FirstUseB::staticType());
    const auto& a = ComponentTypeManager::getTypeFor<FirstUseA>();
    EXPECT_EQ(a->getId(), b->getId() + 1);
    EXPECT_EQ(b->getBit(), std::int64_t{1} << b->getId());
    EXPECT_EQ(a->getBit(), std::int64_t{1} << a->getId());
    EXPECT_EQ(ComponentTypeManager::getTypeFor(&FirstUseB::staticType()), b) << "one per class";
    EXPECT_EQ(ComponentTypeManager::getId(&FirstUseA::staticType()), a->getId());
    EXPECT_EQ(ComponentTypeManager::getBit(&FirstUseA::staticType()), a->getBit());
}

TEST_F(ComponentTypeManagerTest, FindsTypesByClassNameAndByMetaName) {
    const auto& body = ComponentTypeManager::getTypeFor<BodyComponent>();
    EXPECT_EQ(ComponentTypeManager::getTypeForName("BodyComponent"), body);
    EXPECT_EQ(ComponentTypeManager::getTypeForMetaName("body"), body);
    EXPECT_EQ(ComponentTypeManager::getTypeForMetaName("mine"),
              ComponentTypeManager::getTypeFor<MineComponent>());
}

TEST_F(ComponentTypeManagerTest, NullOrUnknownClassRaises) {
    EXPECT_THROW(
        {
            try {
                (void)ComponentTypeManager::getTypeFor(nullptr);
            } catch (const Error& error) {
                EXPECT_STREQ(error.what(), "Cannot get ComponentType for Null TTypeId");
                throw;
            }
        },
        Error);
    EXPECT_THROW((void)ComponentTypeManager::getTypeForName("NoSuchComponent"), Error);
}

TEST_F(ComponentTypeManagerTest, UnknownMetaNameIsLoggedThenRaises) {
    testing::DebugLogCapture log;
    try {
        (void)ComponentTypeManager::getTypeForMetaName("kraken");
        FAIL() << "an unknown meta name must raise";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "Cannot get ComponentType for Null TTypeId");
    }
    EXPECT_EQ(log.lines(), (std::vector<std::string>{"Could not find TTypeId for kraken"}));
}

TEST_F(ComponentTypeManagerTest, MetaNameMapRejectsClassWithoutName) {
    const std::vector<const Type*> classes{&BodyComponent::staticType(), &Nameless::staticType()};
    try {
        (void)ComponentTypeManager::_buildMetaNameMap(classes);
        FAIL() << "a component class without a name must raise";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "Type Nameless is missing \"name\" metadata");
    }
}

TEST_F(ComponentTypeManagerTest, LaterClassWithTheSameMetaNameWins) {
    const auto map = ComponentTypeManager::_buildMetaNameMap(
        {&SharedNameA::staticType(), &SharedNameB::staticType()});
    ASSERT_EQ(map.size(), 1U);
    EXPECT_EQ(map.at("same"), &SharedNameB::staticType());
}

// Bits run out after 63 types (the sign bit is never used). Runs in a child process, since
// the ids it uses up are gone for the rest of the process.
TEST(ComponentTypeManagerDeathTest, RefusesTypesBeyondTheLastBit) {
    testing::registerEntityTestTypes();
    EXPECT_EXIT(
        {
            std::vector<std::unique_ptr<Type>> classes;
            std::int64_t lastBit = 0;
            try {
                for (int i = 0; i < 100; ++i) {
                    classes.push_back(std::make_unique<Type>("Generated" + std::to_string(i),
                                                             &EntityComponent::staticType()));
                    lastBit = ComponentTypeManager::getTypeFor(classes.back().get())->getBit();
                }
            } catch (const Error& error) {
                const bool right =
                    std::string(error.what()) == "Cannot create more than 63 component types" &&
                    lastBit == std::int64_t{1} << 62;
                std::_Exit(right ? 0 : 1);
            }
            std::_Exit(2);
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace
} // namespace tarvex
