// Notification channels. A hook has a process-wide id; subscribers are plain functions with a
// context object, called in descending subscriber priority (equal priorities in order of
// subscription), each receiving the previous subscriber's result as its data. A subscriber
// that returns null hands null on, which is how a handler swallows an event.
//
//     auto hook = Hook::allocate();
//     hook->subscribe(&Kernel::_onPriorityChange, kernel, 0);
//     hook->run(service);
//
// Changes made while the hook runs (by a subscriber, or by another thread): an unsubscribed
// subscriber is not called again, not even later in the same run; a new subscription takes
// effect from the next run. Every subscriber of the running run is therefore called exactly
// once, whatever the others subscribe or unsubscribe.
//
// A hook may be run, subscribed to and unsubscribed from on several threads at once (the
// framework log publishes from the loading worker and the main thread); subscribers are called
// without a lock held, so they may use the hook themselves and must be safe to call from every
// thread that runs it. Data and context are borrowed for the call; a subscriber must
// unsubscribe before its context dies.
#pragma once

#include "core/Object.hpp"

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace tarvex {

class Hook {
public:
    using Function = Object* (*)(std::int32_t hookId, Object* data, Object* context);

    explicit Hook(std::int32_t id) : _id(id) {}

    // A new channel with a fresh id.
    [[nodiscard]] static std::shared_ptr<Hook> allocate();

    [[nodiscard]] std::int32_t getId() const { return _id; }

    void subscribe(Function function, Object* context, std::int32_t priority);
    // Removes the subscription of this function with this context, if any.
    void unsubscribe(Function function, const Object* context);
    // Subscriptions in effect, pending ones (made during a run) included.
    [[nodiscard]] std::size_t subscriberCount() const;

    // Calls every subscriber in order and answers the last result (`data` when none).
    Object* run(Object* data);

private:
    struct Subscriber {
        Function function;
        Object* context;
        std::int32_t priority;
        bool active;
    };

    void _insert(const Subscriber& subscriber);
    // After the last run ends: drops unsubscribed entries, lets pending subscriptions in.
    void _settle();

    std::int32_t _id;
    mutable std::mutex _mutex;
    std::vector<Subscriber> _subscribers; // neither grows nor shrinks while a run is going on
    std::vector<Subscriber> _pending;     // subscribed during a run, in order of subscription
    int _running = 0;
};

} // namespace tarvex
