#include "game/screens/SimpleTimer.hpp"

#include "core/DebugLog.hpp"
#include "core/TypeBuilder.hpp"

#include <array>
#include <string>

namespace tarvex::game {

const Type& SimpleTimer::staticType() {
    static const Type& type = TypeBuilder<SimpleTimer>("SimpleTimer")
                                  .field("_isRunning", &SimpleTimer::_isRunning)
                                  .field("_time", &SimpleTimer::_time)
                                  .field("_currentTime", &SimpleTimer::_currentTime)
                                  .field("_delay", &SimpleTimer::_delay)
                                  .field("_repeatLimit", &SimpleTimer::_repeatLimit)
                                  .field("_repeatCount", &SimpleTimer::_repeatCount)
                                  .build();
    return type;
}

Ref<SimpleTimer> SimpleTimer::Create(float delay, std::int32_t repeatLimit) {
    auto timer = std::make_shared<SimpleTimer>();
    timer->_currentTime = delay;
    timer->_delay = delay;
    timer->_repeatLimit = repeatLimit;
    return timer;
}

void SimpleTimer::onTick(Object* object, std::string_view methodName) {
    _onTickObject = object;
    _onTickMethod = object != nullptr ? object->getType().findMethod(methodName) : nullptr;
    if (object != nullptr && _onTickMethod == nullptr) {
        debugLog("SimpleTimer: " + object->getType().getName() + " has no method " +
                 std::string(methodName));
    }
}

void SimpleTimer::update(float delta) {
    if (!_isRunning) {
        return;
    }
    _currentTime -= delta;
    if (_currentTime >= 0) {
        return;
    }
    _currentTime += _delay;
    ++_repeatCount;
    // Holds this timer until the update is over: the receiver may drop its own reference
    // to it from inside the call.
    const std::array<ObjectRef, 1> args{weak_from_this().lock()};
    if (_onTickObject != nullptr && _onTickMethod != nullptr) {
        _onTickMethod->invoke(*_onTickObject, args);
    }
    if (_repeatCount == _repeatLimit) {
        stop();
    }
}

} // namespace tarvex::game
