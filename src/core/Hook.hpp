// Notification channels. A hook has a process-wide id; subscribers are plain functions with a
// context object, called in descending subscriber priority (equal priorities in order of
// subscription), each receiving the previous subscriber's result as its data. A subscriber
// that returns null hands null on, which is how a handler swallows an event.
//
//     auto hook = Hook::allocate();
//     hook->subscribe(&Kernel::_onPriorityChange, kernel, 0);
//     hook->run(service);
//
// Data and context are borrowed for the call; a subscriber must unsubscribe before its context
// dies.
#pragma once

#include "core/Object.hpp"

#include <cstdint>
#include <memory>
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
    [[nodiscard]] std::size_t subscriberCount() const { return _subscribers.size(); }

    // Calls every subscriber in order and answers the last result (`data` when none).
    Object* run(Object* data);

private:
    struct Subscriber {
        Function function;
        Object* context;
        std::int32_t priority;
        bool active;
    };

    std::int32_t _id;
    std::vector<Subscriber> _subscribers;
    int _running = 0; // unsubscribing during a run only marks the entry
};

} // namespace tarvex
