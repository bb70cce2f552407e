#include "EntityTestTypes.hpp"
#include "core/Error.hpp"
#include "core/TypeBuilder.hpp"
#include "core/TypeRegistry.hpp"
#include "support/DebugLogCapture.hpp"

#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

namespace tarvex {
namespace {

using testing::BodyComponent;

// Asked for by the first-use test only. Nameless is never registered, so that its missing meta
// name does not spoil the process-wide map.
class FirstUseA : public EntityComponent {
    TARVEX_OBJECT(FirstUseA, EntityComponent)
};
class FirstUseB : public EntityComponent {
    TARVEX_OBJECT(FirstUseB, EntityComponent)
};
class LateComponent : public EntityComponent {
    TARVEX_OBJECT(LateComponent, EntityComponent)
};
class Nameless : public EntityComponent {
    TARVEX_OBJECT(Nameless, EntityComponent)
};
const Type& FirstUseA::staticType() {
    static const Type& type = TypeBuilder<FirstUseA>("FirstUseA").meta("name", "a").build();
    return type;
}
const Type& FirstUseB::staticType() {
    static const Type& type = TypeBuilder<FirstUseB>("FirstUseB").meta("name", "b").build();
    return type;
}
const Type& LateComponent::staticType() {
    static const Type& type =
        TypeBuilder<LateComponent>("LateComponent").meta("name", "late").build();
    return type;
}
const Type& Nameless::staticType() {
    static const Type& type = TypeBuilder<Nameless>("Nameless").build();
    return type;
}

std::string errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const Error& error) {
        return error.what();
    }
    return "no error";
}

using ComponentTypeManagerTest = testing::WorldFixture;

TEST_F(ComponentTypeManagerTest, IdsAndBitsFollowTheOrderOfFirstUse) {
    const auto& b = ComponentTypeManager::getTypeFor(&FirstUseB::staticType());
    const auto& a = ComponentTypeManager::getTypeFor<FirstUseA>();
    EXPECT_EQ(a->getId(), b->getId() + 1);
    EXPECT_EQ(b->getBit(), std::int64_t{1} << b->getId());
    EXPECT_EQ(a->getBit(), std::int64_t{1} << a->getId());
    EXPECT_EQ(ComponentTypeManager::getTypeFor(&FirstUseB::staticType()), b) << "one per class";
}

TEST_F(ComponentTypeManagerTest, FindsTypesByClassAndMetaNameOrRaises) {
    const auto& body = ComponentTypeManager::getTypeFor<BodyComponent>();
    EXPECT_EQ(ComponentTypeManager::getTypeForName("BodyComponent"), body);
    EXPECT_EQ(ComponentTypeManager::getTypeForMetaName("body"), body);
    const std::string nullClass = "Cannot get ComponentType for Null TTypeId";
    EXPECT_EQ(errorOf([] { (void)ComponentTypeManager::getTypeFor(nullptr); }), nullClass);
    EXPECT_EQ(errorOf([] { (void)ComponentTypeManager::getTypeForName("Kraken"); }), nullClass);

    testing::DebugLogCapture log;
    EXPECT_EQ(errorOf([] { (void)ComponentTypeManager::getTypeForMetaName("kraken"); }), nullClass);
    EXPECT_EQ(log.lines(), std::vector<std::string>{"Could not find TTypeId for kraken"});
}

TEST_F(ComponentTypeManagerTest, MetaNamesOfClassesRegisteredAfterTheFirstLookupAreFound) {
    (void)ComponentTypeManager::getTypeForMetaName("body"); // the map exists from here on
    TypeRegistry::instance().add<LateComponent>();          // a module registered late
    EXPECT_EQ(ComponentTypeManager::getTypeForMetaName("late"),
              ComponentTypeManager::getTypeFor<LateComponent>());
}

TEST_F(ComponentTypeManagerTest, ComponentClassWithoutNameIsRefused) {
    EXPECT_EQ(errorOf([] {
                  (void)ComponentTypeManager::_buildMetaNameMap(
                      {&BodyComponent::staticType(), &Nameless::staticType()});
              }),
              "Type Nameless is missing \"name\" metadata");
}

// Bits run out after 63 types (the sign bit is never used). In a child process, since the ids
// it uses up are gone for good.
TEST(ComponentTypeManagerDeathTest, RefusesTypesBeyondTheLastBit) {
    testing::registerEntityTestTypes();
    EXPECT_EXIT(
        {
            std::vector<std::unique_ptr<Type>> classes;
            std::int64_t lastBit = 0;
            const std::string error = errorOf([&] {
                for (int i = 0; i < 100; ++i) {
                    classes.push_back(std::make_unique<Type>("Generated" + std::to_string(i),
                                                             &EntityComponent::staticType()));
                    lastBit = ComponentTypeManager::getTypeFor(classes.back().get())->getBit();
                }
            });
            const bool right = error == "Cannot create more than 63 component types" &&
                               lastBit == std::int64_t{1} << 62;
            std::_Exit(right ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace
} // namespace tarvex
