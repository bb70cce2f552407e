// The level's countdown: set to the time limit, started when play begins, moved by each
// frame's time while running, and expired once the time has gone below 0.
//
//     timer.set(120 * 1000);
//     timer.start();
//     timer.update(delta);
//     timer.getSeconds();   // whole seconds left, rounded up: 120 ... 1, then 0
#pragma once

#include <cstdint>

namespace tarvex::game {

class CountdownTimer {
public:
    [[nodiscard]] bool isRunning() const { return _isRunning; }
    [[nodiscard]] bool isExpired() const { return _time < 0; }
    void stop() { _isRunning = false; }
    void start() { _isRunning = true; }
    void set(float milliseconds) { _time = milliseconds; }
    // Seconds left rounded up; 0 for any time in (-1000, 0].
    [[nodiscard]] std::int32_t getSeconds() const;
    void update(float delta);
    [[nodiscard]] float getTime() const { return _time; }

private:
    bool _isRunning = false;
    float _time = 0; // milliseconds left
};

} // namespace tarvex::game
