// A small repeating timer that calls a method of an object, by name, every `delay`
// milliseconds of accumulated frame time, and stops itself after `repeatLimit` ticks. The
// gameplay screen drives its background cross-fades with one:
//
//     auto timer = SimpleTimer::Create(64, 30);
//     timer->onTick(screen, "updateBackgroundTransition");   // found in the type registry
//     timer->start();
//     timer->update(delta);   // each frame; at most one tick per update
//
// The receiver is not owned (it normally owns the timer); it must outlive the ticks. The
// method is called with the timer as its one argument, and may drop the receiver's last
// reference to the timer from inside the call.
#pragma once

#include "core/Object.hpp"
#include "core/Type.hpp"

#include <cstdint>
#include <string_view>

namespace tarvex::game {

class SimpleTimer : public Object {
    TARVEX_OBJECT(SimpleTimer, Object)
public:
    [[nodiscard]] bool isRunning() const { return _isRunning; }
    [[nodiscard]] bool isExpired() const { return _time < 0; }
    void stop() { _isRunning = false; }
    void start() { _isRunning = true; }
    void set(float time) { _time = time; }
    // Remembers the receiver and its method named `methodName` (searched in its class and its
    // bases). A name the class does not have leaves the timer without a method: it still
    // counts its ticks but calls nothing, and says so in the debug log.
    void onTick(Object* object, std::string_view methodName);
    // While running: counts `delta` off the time left; when that goes below 0, one tick (the
    // time left grows by the delay, the count by one, the method is called), and the timer
    // stops once the count reaches the repeat limit.
    void update(float delta);

    // A stopped timer ticking every `delay` ms, at most `repeatLimit` times.
    [[nodiscard]] static Ref<SimpleTimer> Create(float delay, std::int32_t repeatLimit);

    [[nodiscard]] std::int32_t getRepeatCount() const { return _repeatCount; }
    [[nodiscard]] std::int32_t getRepeatLimit() const { return _repeatLimit; }
    [[nodiscard]] float getCurrentTime() const { return _currentTime; }
    [[nodiscard]] float getDelay() const { return _delay; }

private:
    bool _isRunning = false;
    float _time = 0;
    Object* _onTickObject = nullptr; // back reference: the receiver usually owns the timer
    const Method* _onTickMethod = nullptr;
    float _currentTime = 0;
    float _delay = 0;
    std::int32_t _repeatLimit = 0;
    std::int32_t _repeatCount = 0;
};

} // namespace tarvex::game
