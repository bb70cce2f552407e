#include "KernelTestTypes.hpp"
#include "core/TypeBuilder.hpp"
#include "core/TypeRegistry.hpp"
#include "kernel/EventService.hpp"
#include "kernel/GameBase.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

class Listener : public Object {
    TARVEX_OBJECT(Listener, Object)
public:
    Ref<Object> onBoom(const Ref<GameEvent>& event) {
        heard.push_back(event ? event->name : "?");
        return nullptr;
    }
    std::vector<std::string> heard;
};

const Type& Listener::staticType() {
    static const Type& type =
        TypeBuilder<Listener>("Listener").method("onBoom", &Listener::onBoom).build();
    return type;
}

class RecordingGame : public GameBase {
public:
    void handleEvent(platform::PlatformEvent& event) override { seen.push_back(event.id); }
    std::vector<std::int32_t> seen;
};

class EventServiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::registerKernelTestTypes();
        TypeRegistry::instance().add<Listener>();
        game.addServiceToKernel(events, nullptr);
        game.getKernel().start();
    }
    void TearDown() override { game.getKernel().stop(); }

    RecordingGame game;
    Ref<EventService> events = std::make_shared<EventService>();
};

TEST(GameEventMapper, NamesMapToStableDistinctIdentifiers) {
    const auto a = GameEventMapper::getEventId("mapper.a");
    EXPECT_EQ(GameEventMapper::getEventId("mapper.a"), a);
    EXPECT_NE(GameEventMapper::getEventId("mapper.b"), a);
    EXPECT_EQ(GameEventMapper::getEventName(a), "mapper.a");
    EXPECT_EQ(GameEventMapper::getEventName(-5), "");
    const auto event = GameEvent::CreateEvent("mapper.a", nullptr, nullptr);
    EXPECT_EQ(event->id, a);
    EXPECT_EQ(event->name, "mapper.a");
}

TEST_F(EventServiceTest, HandlersRunInOrderAndTheEventIsSwallowed) {
    std::vector<std::string> order;
    events->addHandler("boom", [&](GameEvent&) -> ObjectRef {
        order.emplace_back("first");
        return nullptr;
    });
    auto listener = std::make_shared<Listener>();
    events->addCallback("boom", listener, "onBoom");
    events->addHandler("boom", [&](GameEvent&) -> ObjectRef {
        order.emplace_back("third");
        return nullptr;
    });
    GameEvent::fireEvent("boom", nullptr, nullptr);
    EXPECT_EQ(order, (std::vector<std::string>{"first", "third"}));
    EXPECT_EQ(listener->heard, (std::vector<std::string>{"boom"}));
    EXPECT_TRUE(game.seen.empty()) << "a handled game event does not reach the application";
}

TEST_F(EventServiceTest, EventsWithoutHandlersPassOnUnchanged) {
    const auto event = GameEvent::CreateEvent("quiet", nullptr, nullptr);
    EXPECT_EQ(platform::emitEvent(*event), event.get());
    EXPECT_EQ(game.seen, (std::vector<std::int32_t>{event->id}));
}

TEST_F(EventServiceTest, RemovedHandlersAndStoppedServicesCallNothing) {
    auto listener = std::make_shared<Listener>();
    events->addCallback("ping", listener, "onBoom");
    events->removeCallback("ping", listener.get(), "onBoom");
    GameEvent::fireEvent("ping", nullptr, nullptr);
    EXPECT_TRUE(listener->heard.empty());
    EXPECT_EQ(game.seen.size(), 1U) << "no handlers left: the event passes on";

    events->addCallback("ping", listener, "onBoom");
    events->stop();
    GameEvent::fireEvent("ping", nullptr, nullptr);
    EXPECT_TRUE(listener->heard.empty()) << "handlers run only while the service runs";
    events->start();
    GameEvent::fireEvent("ping", nullptr, nullptr);
    EXPECT_EQ(listener->heard.size(), 1U);

    events->removeEventHandlers("ping");
    GameEvent::fireEvent("ping", nullptr, nullptr);
    EXPECT_EQ(listener->heard.size(), 1U);
}

TEST(EventHandler, DescribesItself) {
    testing::registerKernelTestTypes();
    TypeRegistry::instance().add<Listener>();
    auto listener = std::make_shared<Listener>();
    EXPECT_EQ(EventHandler::CreateCallback(listener, "onBoom")->ToString(),
              "<EventHandler> Listener.onBoom");
    EXPECT_EQ(EventHandler::CreateCallback(listener, "nope")->ToString(),
              "<EventHandler> Listener");
    EXPECT_EQ(EventHandler::Create(nullptr)->ToString(), "<EventHandler> callback");
    EXPECT_EQ(EventService().ToString(), "<Tarvex.Events.EventService>");
}

} // namespace
} // namespace tarvex
