// What the frame loop needs of the platform: a millisecond clock, a periodic frame timer whose
// wait blocks while pumping window events, and presentation of the finished frame. The real
// backend (SDL) installs itself at start-up; tests install a virtual clock. Until one is
// installed a headless one runs on the steady clock.
#pragma once

#include <cstdint>
#include <memory>

namespace tarvex::platform {

class FrameTimer {
public:
    virtual ~FrameTimer() = default;
    // Blocks, processing pending platform events, until at least one tick has passed since the
    // previous wait; returns at once if ticks have already passed.
    virtual void wait() = 0;
};

class LoopPlatform {
public:
    virtual ~LoopPlatform() = default;
    [[nodiscard]] virtual std::int64_t milliseconds() = 0;
    [[nodiscard]] virtual std::unique_ptr<FrameTimer> createFrameTimer(int ticksPerSecond) = 0;
    // Shows the back buffer; sync 0 does not wait for the vertical blank.
    virtual void present(int sync) = 0;
    // Closes the window the drawing layer draws into, if one is open.
    virtual void closeGraphics();
};

// The installed platform (a headless steady-clock one until something else is installed).
[[nodiscard]] LoopPlatform& loopPlatform();
// Installs a platform; null reinstalls the headless one. Returns the previous one.
std::shared_ptr<LoopPlatform> setLoopPlatform(std::shared_ptr<LoopPlatform> platform);

// Steady clock, sleeping timer, nothing to present.
class HeadlessLoopPlatform : public LoopPlatform {
public:
    [[nodiscard]] std::int64_t milliseconds() override;
    [[nodiscard]] std::unique_ptr<FrameTimer> createFrameTimer(int ticksPerSecond) override;
    void present(int /*sync*/) override {}
};

} // namespace tarvex::platform
