#include "platform/VirtualLoopPlatform.hpp"

#include "platform/DrawingLayer.hpp"
#include "platform/Input.hpp"

namespace tarvex::platform {

class VirtualFrameTimer : public FrameTimer {
public:
    VirtualFrameTimer(VirtualLoopPlatform& platform, int ticksPerSecond)
        : _platform(platform), _ticksPerSecond(ticksPerSecond > 0 ? ticksPerSecond : 1),
          _start(platform._now) {}

    void wait() override {
        // The next tick strictly after the previous wait; ticks already passed return at once.
        const std::int64_t elapsed = _platform._now - _start;
        const std::int64_t due = _tickTime(_tick + 1);
        if (elapsed < due) {
            ++_tick;
            _platform.advance(_start + due - _platform._now);
        } else {
            while (_tickTime(_tick + 1) <= elapsed) {
                ++_tick;
            }
            _platform._runDue();
        }
    }

private:
    [[nodiscard]] std::int64_t _tickTime(std::int64_t tick) const {
        return tick * 1000 / _ticksPerSecond;
    }

    VirtualLoopPlatform& _platform;
    std::int64_t _ticksPerSecond;
    std::int64_t _start;
    std::int64_t _tick = 0;
};

std::unique_ptr<FrameTimer> VirtualLoopPlatform::createFrameTimer(int ticksPerSecond) {
    return std::make_unique<VirtualFrameTimer>(*this, ticksPerSecond);
}

void VirtualLoopPlatform::present(int sync) {
    drawingLayer().present(sync);
    ++_framesPresented;
    if (_onPresent) {
        _onPresent(_framesPresented);
    }
}

void VirtualLoopPlatform::advance(std::int64_t milliseconds) {
    if (milliseconds > 0) {
        _now += milliseconds;
    }
    _runDue();
}

void VirtualLoopPlatform::_runDue() {
    while (!_script.empty() && _script.begin()->first <= _now) {
        auto action = std::move(_script.begin()->second);
        _script.erase(_script.begin());
        action();
    }
}

void VirtualLoopPlatform::at(std::int64_t time, std::function<void()> action) {
    _script.emplace(time, std::move(action));
}

void VirtualLoopPlatform::pressKey(std::int64_t time, int code) {
    at(time, [code] { deliverKeyDown(code); });
}

void VirtualLoopPlatform::releaseKey(std::int64_t time, int code) {
    at(time, [code] { deliverKeyUp(code); });
}

void VirtualLoopPlatform::tapKey(std::int64_t time, int code) {
    pressKey(time, code);
    releaseKey(time + 17, code);
}

void VirtualLoopPlatform::typeText(std::int64_t time, const std::string& text) {
    at(time, [text] {
        for (const char c : text) {
            deliverChar(static_cast<unsigned char>(c));
        }
    });
}

} // namespace tarvex::platform
