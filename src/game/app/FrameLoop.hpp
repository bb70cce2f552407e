// The game's frame loop, one frame at a time: update and render the kernel, wait for the
// frame timer, present, and measure the frame for the next one (16 ms for the first frame at
// 60 per second). The program runs it until the game is finished; tests and the scripted-play
// harness step it themselves, so that a frame in a test is exactly a frame of the program.
#pragma once

#include "kernel/GameBase.hpp"
#include "platform/LoopPlatform.hpp"

#include <cstdint>
#include <memory>

namespace tarvex::game {

class FrameLoop {
public:
    // Starts the kernel and the frame timer of the installed loop platform.
    explicit FrameLoop(GameBase& game);
    ~FrameLoop();
    FrameLoop(const FrameLoop&) = delete;
    FrameLoop& operator=(const FrameLoop&) = delete;

    void step();
    // Stops the kernel (once).
    void end();

    [[nodiscard]] std::int64_t frames() const { return _frames; }
    // The time the next frame will be given, in milliseconds.
    [[nodiscard]] float nextDelta() const { return _delta; }

private:
    GameBase& _game;
    std::unique_ptr<platform::FrameTimer> _timer;
    std::int64_t _last = 0;
    float _delta = 0;
    std::int64_t _frames = 0;
    bool _ended = false;
};

} // namespace tarvex::game
