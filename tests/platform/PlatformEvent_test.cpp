#include "platform/PlatformEvent.hpp"

#include <gtest/gtest.h>

namespace tarvex::platform {
namespace {

Object* passOn(std::int32_t, Object* data, Object* /*context*/) {
    return data;
}

Object* swallow(std::int32_t, Object* /*data*/, Object* /*context*/) {
    return nullptr;
}

TEST(PlatformEvent, EmittingByIdentifierAnswersSomethingThatLives) {
    Object context;
    eventHook().subscribe(&passOn, &context, 50);
    const ObjectRef answer = emitEvent(EVENT_KEYDOWN, 32, 3, 4);
    eventHook().unsubscribe(&passOn, &context);
    // The event made for the call is the answer: it must outlive the call.
    const auto* event = dynamic_cast<const PlatformEvent*>(answer.get());
    ASSERT_NE(event, nullptr);
    EXPECT_EQ(event->id, EVENT_KEYDOWN);
    EXPECT_EQ(event->data, 32);
    EXPECT_EQ(event->x, 3);
    EXPECT_EQ(event->y, 4);

    eventHook().subscribe(&swallow, &context, 50);
    EXPECT_EQ(emitEvent(EVENT_KEYUP, 32), nullptr);
    eventHook().unsubscribe(&swallow, &context);
}

} // namespace
} // namespace tarvex::platform
