#include "core/Hook.hpp"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <thread>
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

// A subscriber that runs an action of the test when called.
struct Actor : Object {
    Actor(std::string n, std::vector<std::string>& l) : name(std::move(n)), log(&l) {}
    std::string name;
    std::vector<std::string>* log;
    std::function<void()> action;
};

Object* act(std::int32_t, Object* data, Object* context) {
    auto* actor = static_cast<Actor*>(context);
    actor->log->push_back(actor->name);
    if (actor->action) {
        actor->action();
    }
    return data;
}

TEST(Hook, SubscriptionsMadeDuringARunTakeEffectFromTheNextRun) {
    Hook hook(1);
    std::vector<std::string> log;
    Actor first("first", log), high("high", log), low("low", log);
    bool done = false;
    first.action = [&] {
        if (!done) {
            // Higher priority than the running subscriber: it would sort in before it.
            hook.subscribe(&act, &high, 5);
            hook.subscribe(&act, &low, -5);
            done = true;
        }
    };
    hook.subscribe(&act, &first, 0);
    Object data;
    hook.run(&data);
    EXPECT_EQ(log, (std::vector<std::string>{"first"}));
    EXPECT_EQ(hook.subscriberCount(), 3U);
    log.clear();
    hook.run(&data);
    EXPECT_EQ(log, (std::vector<std::string>{"high", "first", "low"}));
}

TEST(Hook, UnsubscribingDuringARunSkipsNobodyElse) {
    Hook hook(1);
    std::vector<std::string> log;
    Actor a("a", log), b("b", log), c("c", log), d("d", log);
    b.action = [&] { hook.unsubscribe(&act, &b); }; // itself
    c.action = [&] { hook.unsubscribe(&act, &a); }; // an earlier one, already called
    a.action = [&] { hook.unsubscribe(&act, &d); }; // a later one, not called any more
    for (Actor* actor : {&a, &b, &c, &d}) {
        hook.subscribe(&act, actor, 0);
    }
    Object data;
    hook.run(&data);
    EXPECT_EQ(log, (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(hook.subscriberCount(), 1U);
    log.clear();
    hook.run(&data);
    EXPECT_EQ(log, (std::vector<std::string>{"c"}));
}

TEST(Hook, UnsubscribingASubscriptionStillPendingCancelsIt) {
    Hook hook(1);
    std::vector<std::string> log;
    Actor a("a", log), late("late", log);
    a.action = [&] {
        hook.subscribe(&act, &late, 0);
        hook.unsubscribe(&act, &late);
    };
    hook.subscribe(&act, &a, 0);
    Object data;
    hook.run(&data);
    hook.run(&data);
    EXPECT_EQ(log, (std::vector<std::string>{"a", "a"}));
}

TEST(Hook, NestedRunsCallEverySubscriberOncePerRun) {
    Hook hook(1);
    std::vector<std::string> log;
    Actor outer("outer", log), inner("inner", log);
    Object data;
    bool nested = false;
    outer.action = [&] {
        if (!nested) {
            nested = true;
            hook.subscribe(&act, &inner, 9); // pending until the outermost run ends
            hook.run(&data);
        }
    };
    hook.subscribe(&act, &outer, 0);
    hook.run(&data);
    EXPECT_EQ(log, (std::vector<std::string>{"outer", "outer"}));
    log.clear();
    hook.run(&data);
    EXPECT_EQ(log, (std::vector<std::string>{"inner", "outer"}));
}

Object* passOn(std::int32_t, Object* data, Object* /*context*/) {
    return data;
}

// Meant for the ThreadSanitizer build, which reports any unguarded access.
TEST(Hook, RunsAndSubscriptionsFromTwoThreadsAtOnce) {
    Hook hook(1);
    std::vector<std::string> log;
    Actor steady("steady", log), churn("churn", log);
    hook.subscribe(&passOn, &steady, 0);
    const auto work = [&hook, &churn] {
        Object data;
        for (int i = 0; i < 2000; ++i) {
            hook.subscribe(&passOn, &churn, i % 3);
            EXPECT_EQ(hook.run(&data), &data);
            hook.unsubscribe(&passOn, &churn);
        }
    };
    std::thread other(work);
    work();
    other.join();
    EXPECT_EQ(hook.subscriberCount(), 1U);
}

TEST(Hook, AllocatedHooksHaveDistinctIds) {
    const auto a = Hook::allocate();
    const auto b = Hook::allocate();
    EXPECT_NE(a->getId(), b->getId());
}

} // namespace
} // namespace tarvex
