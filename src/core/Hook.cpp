#include "core/Hook.hpp"

#include <algorithm>
#include <atomic>

namespace tarvex {

std::shared_ptr<Hook> Hook::allocate() {
    static std::atomic<std::int32_t> nextId{1};
    return std::make_shared<Hook>(nextId++);
}

void Hook::_insert(const Subscriber& subscriber) {
    // Keep the list sorted: after every subscriber of the same or higher priority.
    const auto position = std::find_if(
        _subscribers.begin(), _subscribers.end(),
        [priority = subscriber.priority](const Subscriber& s) { return s.priority < priority; });
    _subscribers.insert(position, subscriber);
}

void Hook::subscribe(Function function, Object* context, std::int32_t priority) {
    const std::lock_guard lock(_mutex);
    const Subscriber subscriber{function, context, priority, true};
    if (_running > 0) {
        // Inserting now would shift the entries of the running walk: one subscriber would be
        // called twice and the newcomer never.
        _pending.push_back(subscriber);
    } else {
        _insert(subscriber);
    }
}

void Hook::unsubscribe(Function function, const Object* context) {
    const std::lock_guard lock(_mutex);
    const auto matches = [function, context](const Subscriber& s) {
        return s.active && s.function == function && s.context == context;
    };
    if (const auto pending = std::find_if(_pending.begin(), _pending.end(), matches);
        pending != _pending.end()) {
        _pending.erase(pending);
        return;
    }
    const auto found = std::find_if(_subscribers.begin(), _subscribers.end(), matches);
    if (found == _subscribers.end()) {
        return;
    }
    if (_running > 0) {
        // Erasing would shift the running walk past the next subscriber; marking keeps it.
        found->active = false;
    } else {
        _subscribers.erase(found);
    }
}

std::size_t Hook::subscriberCount() const {
    const std::lock_guard lock(_mutex);
    const auto active = std::count_if(_subscribers.begin(), _subscribers.end(),
                                      [](const Subscriber& s) { return s.active; });
    return static_cast<std::size_t>(active) + _pending.size();
}

void Hook::_settle() {
    std::erase_if(_subscribers, [](const Subscriber& s) { return !s.active; });
    for (const Subscriber& subscriber : _pending) {
        _insert(subscriber);
    }
    _pending.clear();
}

Object* Hook::run(Object* data) {
    std::unique_lock lock(_mutex);
    ++_running;
    // The list keeps its length and order while any run is going on, so a position stays
    // valid across the unlocked calls.
    for (std::size_t i = 0; i < _subscribers.size(); ++i) {
        const Subscriber subscriber = _subscribers[i];
        if (!subscriber.active) {
            continue;
        }
        lock.unlock();
        try {
            data = subscriber.function(_id, data, subscriber.context);
        } catch (...) {
            lock.lock();
            if (--_running == 0) {
                _settle();
            }
            throw;
        }
        lock.lock();
    }
    if (--_running == 0) {
        _settle();
    }
    return data;
}

} // namespace tarvex
