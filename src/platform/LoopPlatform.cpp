#include "platform/LoopPlatform.hpp"

#include "platform/DrawingLayer.hpp"
#include "platform/GraphicsContext.hpp"

#include <algorithm>
#include <chrono>
#include <thread>

namespace tarvex::platform {
namespace {

using SteadyClock = std::chrono::steady_clock;

class SleepingFrameTimer : public FrameTimer {
public:
    // A rate of 0 or less ticks once a second, as the other timers do, rather than dividing by
    // zero.
    explicit SleepingFrameTimer(int ticksPerSecond)
        : _period(std::chrono::duration_cast<SteadyClock::duration>(std::chrono::seconds(1)) /
                  std::max(ticksPerSecond, 1)),
          _next(SteadyClock::now() + _period) {}

    void wait() override {
        const auto now = SteadyClock::now();
        if (now < _next) {
            std::this_thread::sleep_until(_next);
            _next += _period;
        } else {
            // Ticks have passed already: skip the missed ones rather than racing to catch up.
            const auto missed = (now - _next) / _period;
            _next += _period * (missed + 1);
        }
    }

private:
    SteadyClock::duration _period;
    SteadyClock::time_point _next;
};

std::shared_ptr<LoopPlatform>& installed() {
    static std::shared_ptr<LoopPlatform> platform = std::make_shared<HeadlessLoopPlatform>();
    return platform;
}

} // namespace

std::int64_t HeadlessLoopPlatform::milliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               SteadyClock::now().time_since_epoch())
        .count();
}

std::unique_ptr<FrameTimer> HeadlessLoopPlatform::createFrameTimer(int ticksPerSecond) {
    return std::make_unique<SleepingFrameTimer>(ticksPerSecond);
}

void LoopPlatform::closeGraphics() {
    if (GraphicsContext* context = drawingLayer().context(); context != nullptr) {
        context->close();
    }
}

LoopPlatform& loopPlatform() {
    return *installed();
}

std::shared_ptr<LoopPlatform> setLoopPlatform(std::shared_ptr<LoopPlatform> platform) {
    if (!platform) {
        platform = std::make_shared<HeadlessLoopPlatform>();
    }
    std::swap(installed(), platform);
    return platform;
}

} // namespace tarvex::platform
