// A loop platform for tests and tools: a virtual millisecond clock that moves only when the
// frame timer waits (or when a test advances it), and scripted input that is delivered, at the
// scripted time, through the same input feed and event hook as real input.
//
//     auto platform = std::make_shared<VirtualLoopPlatform>();
//     platform->pressKey(500, KEY_SPACE);      // Space goes down at t = 500 ms ...
//     platform->releaseKey(560, KEY_SPACE);    // ... and up again
//     setLoopPlatform(platform);
//
// At 60 ticks per second each wait moves the clock to the next tick, k * 1000 / 60 truncated,
// so frames measure 16 or 17 ms. Presenting draws into the open window, if there is one.
#pragma once

#include "platform/LoopPlatform.hpp"

#include <cstdint>
#include <functional>
#include <map>

namespace tarvex::platform {

class VirtualLoopPlatform : public LoopPlatform {
public:
    explicit VirtualLoopPlatform(std::int64_t startMilliseconds = 0) : _now(startMilliseconds) {}

    [[nodiscard]] std::int64_t milliseconds() override { return _now; }
    [[nodiscard]] std::unique_ptr<FrameTimer> createFrameTimer(int ticksPerSecond) override;
    void present(int sync) override;

    // Moves the clock forward, delivering scripted input that falls due on the way.
    void advance(std::int64_t milliseconds);

    // Scripted input at an absolute time on the virtual clock. Actions due at the same time run
    // in the order they were scripted.
    void at(std::int64_t time, std::function<void()> action);
    void pressKey(std::int64_t time, int code);
    void releaseKey(std::int64_t time, int code);
    // Press at `time`, release one frame (17 ms) later.
    void tapKey(std::int64_t time, int code);
    void typeText(std::int64_t time, const std::string& text);

    [[nodiscard]] int framesPresented() const { return _framesPresented; }
    // Called after each present with the number of frames presented so far.
    void onPresent(std::function<void(int frame)> callback) { _onPresent = std::move(callback); }

private:
    friend class VirtualFrameTimer;
    void _runDue();

    std::int64_t _now;
    std::multimap<std::int64_t, std::function<void()>> _script;
    int _framesPresented = 0;
    std::function<void(int)> _onPresent;
};

} // namespace tarvex::platform
