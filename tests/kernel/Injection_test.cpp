#include "KernelTestTypes.hpp"
#include "core/TypeBuilder.hpp"
#include "kernel/DependencyInjector.hpp"
#include "kernel/KernelAwareInterface.hpp"

#include <algorithm>
#include <cstddef>
#include <gtest/gtest.h>
#include <new>

namespace tarvex {
namespace {

using testing::RecordingService;
using testing::SilentService;
using testing::UpdateOnlyService;

// A screen-like object with an injectable field of its own and one inherited.
class BaseScreen : public Object {
    TARVEX_OBJECT(BaseScreen, Object)
public:
    Ref<SilentService> _silent;
};

class TitleLikeScreen : public BaseScreen {
    TARVEX_OBJECT(TitleLikeScreen, BaseScreen)
public:
    Ref<UpdateOnlyService> _updateOnly;
    Ref<RecordingService> _missing;
    std::int32_t _count = 0;
};

class AutoloadingSystem : public KernelAwareInterface {
    TARVEX_OBJECT(AutoloadingSystem, KernelAwareInterface)
public:
    Ref<SilentService> _tagged;
    Ref<UpdateOnlyService> _untagged;
    Ref<Object> _notAService;
};

class DerivedSystem : public AutoloadingSystem {
    TARVEX_OBJECT(DerivedSystem, AutoloadingSystem)
public:
    Ref<RecordingService> _own;
};

const Type& BaseScreen::staticType() {
    static const Type& type = TypeBuilder<BaseScreen>("BaseScreen")
                                  .field("_silent", &BaseScreen::_silent, {{"injectable", "1"}})
                                  .build();
    return type;
}

const Type& TitleLikeScreen::staticType() {
    static const Type& type =
        TypeBuilder<TitleLikeScreen>("TitleLikeScreen")
            .field("_updateOnly", &TitleLikeScreen::_updateOnly, {{"injectable", "1"}})
            .field("_missing", &TitleLikeScreen::_missing, {{"injectable", "1"}})
            .field("_count", &TitleLikeScreen::_count)
            .build();
    return type;
}

const Type& AutoloadingSystem::staticType() {
    static const Type& type =
        TypeBuilder<AutoloadingSystem>("AutoloadingSystem")
            .field("_tagged", &AutoloadingSystem::_tagged, {{"autoload_service", "1"}})
            .field("_untagged", &AutoloadingSystem::_untagged)
            .field("_notAService", &AutoloadingSystem::_notAService)
            .build();
    return type;
}

const Type& DerivedSystem::staticType() {
    static const Type& type =
        TypeBuilder<DerivedSystem>("DerivedSystem").field("_own", &DerivedSystem::_own).build();
    return type;
}

class InjectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::registerKernelTestTypes();
        kernel.addService(nullptr, silent);
        kernel.addService(nullptr, updateOnly);
        kernel.addService(nullptr, recording);
    }

    // What the screen service does when a screen is added.
    void injectLikeTheScreenService(Object& screen) {
        DependencyInjector::addInjectableFields(screen);
        for (const Type* type : DependencyInjector::getDependencies(screen)) {
            DependencyInjector::inject(
                screen, *type, kernel.getService<KernelInformationService>()->getService(type));
        }
    }

    GameKernel kernel;
    Ref<SilentService> silent = std::make_shared<SilentService>();
    Ref<UpdateOnlyService> updateOnly = std::make_shared<UpdateOnlyService>();
    Ref<RecordingService> recording = std::make_shared<RecordingService>();
};

TEST_F(InjectionTest, ScreensGetOwnAndInheritedFieldsFromTheKernel) {
    auto screen = std::make_shared<TitleLikeScreen>();
    injectLikeTheScreenService(*screen);
    EXPECT_EQ(screen->_updateOnly, updateOnly);
    EXPECT_EQ(screen->_silent, silent) << "inherited injectable fields are included";
    EXPECT_EQ(screen->_missing, recording);
    // Concrete class first, then its base; declaration order within each.
    const auto& dependencies = DependencyInjector::getDependencies(*screen);
    ASSERT_EQ(dependencies.size(), 3U);
    EXPECT_EQ(dependencies[0], &UpdateOnlyService::staticType());
    EXPECT_EQ(dependencies[1], &RecordingService::staticType());
    EXPECT_EQ(dependencies[2], &SilentService::staticType());
}

TEST_F(InjectionTest, AMissingServiceLeavesTheScreenFieldNull) {
    kernel.removeService(&RecordingService::staticType());
    auto screen = std::make_shared<TitleLikeScreen>();
    injectLikeTheScreenService(*screen);
    EXPECT_EQ(screen->_missing, nullptr);
    EXPECT_EQ(screen->_updateOnly, updateOnly);
}

TEST_F(InjectionTest, InjectAllFillsFieldsByTheValuesOwnClass) {
    auto screen = std::make_shared<TitleLikeScreen>();
    DependencyInjector::addInjectableFields(*screen);
    const ObjectRef values[] = {nullptr, updateOnly, std::make_shared<Object>()};
    DependencyInjector::injectAll(*screen, values);
    EXPECT_EQ(screen->_updateOnly, updateOnly);
    EXPECT_TRUE(DependencyInjector::_fetchObject(*screen).isInjected());
}

TEST_F(InjectionTest, DependsOnRegistersAFieldWithoutMetadata) {
    auto screen = std::make_shared<TitleLikeScreen>();
    DependencyInjector::dependsOn(*screen, SilentService::staticType(), "_nope");
    DependencyInjector::inject(*screen, SilentService::staticType(), silent);
    EXPECT_EQ(screen->_silent, nullptr) << "a missing field makes injection a no-op";
    EXPECT_TRUE(DependencyInjector::hasDependency(*screen, SilentService::staticType()));
}

// Screens declare dependencies from their constructor, before any shared reference owns them.
class SelfDeclaringScreen : public BaseScreen {
    TARVEX_OBJECT(SelfDeclaringScreen, BaseScreen)
public:
    SelfDeclaringScreen() {
        DependencyInjector::dependsOn(*this, SilentService::staticType(), "_own");
    }
    Ref<SilentService> _own;
};

const Type& SelfDeclaringScreen::staticType() {
    static const Type& type = TypeBuilder<SelfDeclaringScreen>("SelfDeclaringScreen")
                                  .field("_own", &SelfDeclaringScreen::_own)
                                  .build();
    return type;
}

TEST_F(InjectionTest, AWrapperDoesNotOutliveItsObject) {
    // Objects made one after the other in the same storage: the same address every time.
    alignas(TitleLikeScreen)
        std::byte storage[std::max(sizeof(TitleLikeScreen), sizeof(SelfDeclaringScreen))];
    auto* declaring = new (storage) SelfDeclaringScreen;
    ASSERT_TRUE(DependencyInjector::hasDependencies(*declaring));
    declaring->~SelfDeclaringScreen();

    // Another class at that address must not get the old field map: injecting through it
    // would write a service into bytes of the wrong class.
    auto* other = new (storage) TitleLikeScreen;
    ASSERT_EQ(static_cast<void*>(other), static_cast<void*>(declaring));
    EXPECT_FALSE(DependencyInjector::hasDependencies(*other));
    DependencyInjector::addInjectableFields(*other);
    EXPECT_EQ(DependencyInjector::getDependencies(*other).size(), 3U);
    other->~TitleLikeScreen();

    // Nor does one of the same class inherit the registrations.
    auto* again = new (storage) TitleLikeScreen;
    EXPECT_FALSE(DependencyInjector::hasDependencies(*again));
    again->~TitleLikeScreen();
}

TEST_F(InjectionTest, AutoloadTaggedFillsOnlyTaggedOwnServiceFields) {
    AutoloadingSystem system;
    system.setKernel(&kernel);
    system.autoloadServices(true);
    EXPECT_EQ(system._tagged, silent);
    EXPECT_EQ(system._untagged, nullptr);
    EXPECT_EQ(system._notAService, nullptr);
}

TEST_F(InjectionTest, AutoloadUntaggedFillsEveryOwnServiceField) {
    AutoloadingSystem system;
    system.setKernel(&kernel);
    system.autoloadServices(false);
    EXPECT_EQ(system._tagged, silent);
    EXPECT_EQ(system._untagged, updateOnly);
    EXPECT_EQ(system._notAService, nullptr);
}

TEST_F(InjectionTest, AutoloadIgnoresInheritedFields) {
    DerivedSystem system;
    system.setKernel(&kernel);
    system.autoloadServices(false);
    EXPECT_EQ(system._own, recording);
    EXPECT_EQ(system._tagged, nullptr);
    EXPECT_EQ(system._untagged, nullptr);
    EXPECT_TRUE(KernelAwareInterface::_inherits(&DerivedSystem::staticType(),
                                                KernelAwareInterface::staticType()));
    EXPECT_FALSE(KernelAwareInterface::_inherits(nullptr, Object::staticType()));
}

} // namespace
} // namespace tarvex
