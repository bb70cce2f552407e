#include "core/Hook.hpp"

#include <algorithm>
#include <atomic>

namespace tarvex {

std::shared_ptr<Hook> Hook::allocate() {
    static std::atomic<std::int32_t> nextId{1};
    return std::make_shared<Hook>(nextId++);
}

void Hook::subscribe(Function function, Object* context, std::int32_t priority) {
    // Keep the list sorted: after every subscriber of the same or higher priority.
    const auto position =
        std::find_if(_subscribers.begin(), _subscribers.end(),
                     [priority](const Subscriber& s) { return s.priority < priority; });
    _subscribers.insert(position, Subscriber{function, context, priority, true});
}

void Hook::unsubscribe(Function function, const Object* context) {
    for (auto it = _subscribers.begin(); it != _subscribers.end(); ++it) {
        if (it->active && it->function == function && it->context == context) {
            if (_running > 0) {
                it->active = false;
            } else {
                _subscribers.erase(it);
            }
            return;
        }
    }
}

Object* Hook::run(Object* data) {
    ++_running;
    // Index-based: a subscriber may subscribe others while the hook runs.
    for (std::size_t i = 0; i < _subscribers.size(); ++i) {
        const Subscriber subscriber = _subscribers[i];
        if (subscriber.active) {
            data = subscriber.function(_id, data, subscriber.context);
        }
    }
    if (--_running == 0) {
        std::erase_if(_subscribers, [](const Subscriber& s) { return !s.active; });
    }
    return data;
}

} // namespace tarvex
