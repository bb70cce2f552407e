#include "core/Hook.hpp"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tarvex {
namespace {

struct Recorder : Object {
    explicit Recorder(std::string n) : name(std::move(n)) {}
    std::string name;
    std::vector<std::string>* log = nullptr;
    Object* answer = nullptr;
    bool answerData = true;
};

Object* record(std::int32_t, Object* data, Object* context) {
    auto* recorder = static_cast<Recorder*>(context);
    recorder->log->push_back(recorder->name + (data == nullptr ? ":null" : ""));
    return recorder->answerData ? data : recorder->answer;
}

TEST(Hook, HigherPriorityFirstThenOrderOfSubscription) {
    Hook hook(1);
    std::vector<std::string> log;
    Recorder low("low"), first("first"), second("second"), high("high");
    for (Recorder* r : {&low, &first, &second, &high}) {
        r->log = &log;
    }
    hook.subscribe(&record, &low, 0);
    hook.subscribe(&record, &first, 1);
    hook.subscribe(&record, &second, 1);
    hook.subscribe(&record, &high, 5);
    Object data;
    EXPECT_EQ(hook.run(&data), &data);
    EXPECT_EQ(log, (std::vector<std::string>{"high", "first", "second", "low"}));
}

TEST(Hook, EachSubscriberReceivesThePreviousResult) {
    Hook hook(1);
    std::vector<std::string> log;
    Recorder swallow("swallow"), after("after");
    swallow.log = after.log = &log;
    swallow.answerData = false; // answers null
    hook.subscribe(&record, &swallow, 1);
    hook.subscribe(&record, &after, 0);
    Object data;
    EXPECT_EQ(hook.run(&data), nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"swallow", "after:null"}));
}

TEST(Hook, UnsubscribeRemovesOnlyThatContext) {
    Hook hook(1);
    std::vector<std::string> log;
    Recorder a("a"), b("b");
    a.log = b.log = &log;
    hook.subscribe(&record, &a, 0);
    hook.subscribe(&record, &b, 0);
    hook.unsubscribe(&record, &a);
    Object data;
    hook.run(&data);
    EXPECT_EQ(log, (std::vector<std::string>{"b"}));
    EXPECT_EQ(hook.subscriberCount(), 1U);
}

TEST(Hook, AllocatedHooksHaveDistinctIds) {
    const auto a = Hook::allocate();
    const auto b = Hook::allocate();
    EXPECT_NE(a->getId(), b->getId());
}

} // namespace
} // namespace tarvex
