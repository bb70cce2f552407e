// The SDL backend of the frame loop: the millisecond clock, a frame timer whose wait blocks in
// SDL's event wait (no busy loop) and turns every window and input event into a platform event,
// and presentation through the drawing layer. Opening an OpenGL window installs it, unless a
// test has installed a loop platform of its own.
#pragma once

#include "platform/LoopPlatform.hpp"

namespace tarvex::platform {

class SdlLoopPlatform : public LoopPlatform {
public:
    [[nodiscard]] std::int64_t milliseconds() override;
    [[nodiscard]] std::unique_ptr<FrameTimer> createFrameTimer(int ticksPerSecond) override;
    void present(int sync) override;
};

// Delivers every pending SDL event (input state and platform events) without waiting.
void pumpSdlEvents();

} // namespace tarvex::platform
