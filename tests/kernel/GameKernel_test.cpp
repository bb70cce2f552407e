#include "KernelTestTypes.hpp"
#include "core/TypeBuilder.hpp"
#include "kernel/GameKernel.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

using testing::calls;
using testing::ConsumerService;
using testing::RecordingService;
using testing::RenderUpdateService;
using testing::SilentService;
using testing::UpdateOnlyService;

class GameKernelTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::registerKernelTestTypes();
        calls().clear();
    }

    std::vector<std::string> framePass(float delta = 16.0F) {
        calls().clear();
        kernel.update(delta);
        kernel.render(delta);
        return calls();
    }

    GameKernel kernel;
};

TEST_F(GameKernelTest, FirstServiceIsTheKernelsOwnInformationService) {
    ASSERT_EQ(kernel.getServices().getSize(), 1);
    const auto info = kernel.getService<KernelInformationService>();
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info->getId(), 1);
    EXPECT_EQ(info->getKernel(), &kernel);
    EXPECT_EQ(info->getPriority(), 0);

    const auto next = std::make_shared<SilentService>();
    kernel.addService(nullptr, next);
    EXPECT_EQ(next->getId(), 2);
}

TEST_F(GameKernelTest, ImplementsDecidesWhichListsAServiceJoins) {
    kernel.addService(nullptr, std::make_shared<UpdateOnlyService>("u"));
    kernel.addService(nullptr, std::make_shared<RenderUpdateService>("ru"));
    kernel.addService(nullptr, std::make_shared<SilentService>("s"));
    kernel.addService(nullptr, std::make_shared<RecordingService>("r"));
    EXPECT_EQ(framePass(), (std::vector<std::string>{"u.update", "ru.update", "r.update",
                                                     "ru.render", "r.render"}));
    // A service without metadata is still started and stopped.
    calls().clear();
    kernel.start();
    kernel.stop();
    EXPECT_EQ(calls(), (std::vector<std::string>{"u.onResume", "ru.onResume", "s.onResume",
                                                 "r.onResume", "u.onSuspend", "ru.onSuspend",
                                                 "s.onSuspend", "r.onSuspend"}));
}

TEST_F(GameKernelTest, ImplementsIsReadFromTheConcreteClassOnlyAndTrimmed) {
    const RenderUpdateService spaced;
    EXPECT_TRUE(GameKernel::serviceImplements(spaced, "render"));
    EXPECT_TRUE(GameKernel::serviceImplements(spaced, "update"));
    EXPECT_FALSE(GameKernel::serviceImplements(spaced, "Update"));
    const SilentService silent; // derives from a class that implements both
    EXPECT_FALSE(GameKernel::serviceImplements(silent, "update"));
}

TEST_F(GameKernelTest, LowerPriorityFirstEqualPrioritiesInOrderOfAddition) {
    auto a = std::make_shared<RecordingService>("a");
    auto b = std::make_shared<RecordingService>("b");
    auto c = std::make_shared<RecordingService>("c");
    kernel.addService(nullptr, a);
    kernel.addService(&UpdateOnlyService::staticType(), b);
    c->_setUpdatePriority(10);
    kernel.addService(&SilentService::staticType(), c);
    EXPECT_EQ(framePass(), (std::vector<std::string>{"c.update", "a.update", "b.update", "a.render",
                                                     "b.render", "c.render"}));
}

TEST_F(GameKernelTest, PriorityChangeAfterAddingReordersTheLists) {
    auto a = std::make_shared<RecordingService>("a");
    auto b = std::make_shared<RecordingService>("b");
    kernel.addService(nullptr, a);
    kernel.addService(&SilentService::staticType(), b);
    b->_setRenderPriority(3);
    EXPECT_EQ(framePass(),
              (std::vector<std::string>{"a.update", "b.update", "b.render", "a.render"}));
}

TEST_F(GameKernelTest, LookupIsByExactRegisteredType) {
    auto service = std::make_shared<UpdateOnlyService>();
    kernel.addService(&RecordingService::staticType(), service);
    EXPECT_EQ(kernel.getService(&RecordingService::staticType()), service);
    EXPECT_EQ(kernel.getService(&UpdateOnlyService::staticType()), nullptr);
    EXPECT_TRUE(kernel.hasServiceType(&RecordingService::staticType()));
    EXPECT_EQ(kernel.getServiceByName("RecordingService"), service);
    EXPECT_EQ(kernel.getServiceByName("SilentService"), nullptr);
    try {
        (void)kernel.getServiceByName("NoSuchService");
        FAIL() << "unknown class names raise";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "Could not get service for type 'NoSuchService' - type not defined");
    }
}

TEST_F(GameKernelTest, AddingInjectsEarlierServicesAndNullForMissingOnes) {
    auto updateOnly = std::make_shared<UpdateOnlyService>();
    kernel.addService(nullptr, updateOnly);
    auto consumer = std::make_shared<ConsumerService>();
    EXPECT_FALSE(kernel.addService(nullptr, nullptr));
    kernel.addService(nullptr, consumer);
    EXPECT_EQ(consumer->_updateOnly, updateOnly);
    EXPECT_TRUE(consumer->sawUpdateOnlyAtInit) << "injection happens before onInit";
    EXPECT_EQ(consumer->_silent, nullptr);
    EXPECT_EQ(consumer->_untagged, nullptr);

    // A service added later is not injected after the fact.
    kernel.addService(nullptr, std::make_shared<SilentService>());
    EXPECT_EQ(consumer->_silentAgain, nullptr);
}

TEST_F(GameKernelTest, TwoFieldsOfOneServiceTypeFillOnlyTheLaterOne) {
    auto silent = std::make_shared<SilentService>();
    kernel.addService(nullptr, silent);
    auto consumer = std::make_shared<ConsumerService>();
    kernel.addService(nullptr, consumer);
    EXPECT_EQ(consumer->_silent, nullptr);
    EXPECT_EQ(consumer->_silentAgain, silent);
    EXPECT_EQ(consumer->getDependencies().size(), 3U);
}

TEST_F(GameKernelTest, ReplacingATypeKeepsTheEarlierServiceInTheLists) {
    auto first = std::make_shared<UpdateOnlyService>("first");
    auto second = std::make_shared<UpdateOnlyService>("second");
    kernel.addService(nullptr, first);
    kernel.addService(nullptr, second);
    EXPECT_EQ(kernel.getService<UpdateOnlyService>(), second);
    EXPECT_EQ(framePass(), (std::vector<std::string>{"first.update", "second.update"}));
}

TEST_F(GameKernelTest, RemoveServiceTakesItOutWithoutStoppingIt) {
    auto service = std::make_shared<RecordingService>("r");
    kernel.addService(nullptr, service);
    kernel.start();
    calls().clear();
    EXPECT_TRUE(kernel.removeService(&RecordingService::staticType()));
    EXPECT_FALSE(kernel.removeService(&RecordingService::staticType()));
    EXPECT_FALSE(kernel.removeService(nullptr));
    EXPECT_TRUE(calls().empty());
    EXPECT_TRUE(service->isRunning());
    EXPECT_TRUE(framePass().empty());
    EXPECT_EQ(kernel.getServices().getSize(), 1);
}

TEST_F(GameKernelTest, StopAndStartServiceMoveItOutOfAndIntoTheLists) {
    auto service = std::make_shared<RecordingService>("r");
    kernel.addService(nullptr, service);
    const Type* type = &RecordingService::staticType();
    EXPECT_FALSE(kernel.stopService(type)) << "not running yet";
    EXPECT_TRUE(kernel.startService(type));
    EXPECT_FALSE(kernel.startService(type)) << "already running";
    EXPECT_EQ(framePass(), (std::vector<std::string>{"r.update", "r.render"}))
        << "started once: listed once";
    EXPECT_TRUE(kernel.stopService(type));
    EXPECT_FALSE(service->isRunning());
    EXPECT_TRUE(framePass().empty());
    EXPECT_TRUE(kernel.startService(type));
    EXPECT_EQ(framePass(), (std::vector<std::string>{"r.update", "r.render"}));
    EXPECT_FALSE(kernel.startService(&SilentService::staticType()));
}

// A service that takes itself out of the kernel while it is being started or stopped.
class LeavingService : public RecordingService {
    TARVEX_OBJECT(LeavingService, RecordingService)
public:
    LeavingService(GameKernel& kernel, bool leaveOnResume)
        : RecordingService(leaveOnResume ? "leaves-on-resume" : "leaves-on-suspend"),
          _kernel(&kernel), _leaveOnResume(leaveOnResume) {}
    void onResume() override {
        if (_leaveOnResume) {
            _kernel->removeService(&staticType());
        }
        RecordingService::onResume(); // still alive: the kernel holds it for the call
    }
    void onSuspend() override {
        if (!_leaveOnResume) {
            _kernel->removeService(&staticType());
        }
        RecordingService::onSuspend();
    }

private:
    GameKernel* _kernel;
    bool _leaveOnResume;
};

const Type& LeavingService::staticType() {
    static const Type& type = TypeBuilder<LeavingService>("LeavingService").build();
    return type;
}

TEST_F(GameKernelTest, AServiceMayRemoveItselfWhileStartingOrStopping) {
    // Only the kernel owns these services.
    kernel.addService(nullptr, std::make_shared<LeavingService>(kernel, true));
    kernel.start();
    EXPECT_EQ(kernel.getService(&LeavingService::staticType()), nullptr);
    kernel.addService(nullptr, std::make_shared<LeavingService>(kernel, false));
    calls().clear();
    kernel.stop();
    EXPECT_EQ(kernel.getService(&LeavingService::staticType()), nullptr);
    EXPECT_EQ(calls(), (std::vector<std::string>{"leaves-on-suspend.onSuspend"}));
}

TEST(GameServiceCollection, GrowsLikeABagAndComparesPriorities) {
    auto collection = GameServiceCollection::Create(0);
    std::vector<int> capacities;
    for (int i = 0; i < 4; ++i) {
        collection->add(std::make_shared<testing::SilentService>());
        capacities.push_back(collection->getCapacity());
    }
    EXPECT_EQ(capacities, (std::vector<int>{1, 2, 4, 4}));
    auto low = std::make_shared<testing::SilentService>();
    low->_setPriority(3);
    EXPECT_EQ(GameServiceCollection::comparePriority(low, collection->get(0)), -1);
    EXPECT_EQ(collection->get(0)->Compare(*low), 1);
    EXPECT_EQ(collection->get(0)->Compare(*collection->get(1)), 0);
    EXPECT_EQ(low->getUpdatePriority(), 3);
    EXPECT_EQ(low->getRenderPriority(), 3);
}

} // namespace
} // namespace tarvex
