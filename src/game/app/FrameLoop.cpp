#include "game/app/FrameLoop.hpp"

namespace tarvex::game {

FrameLoop::FrameLoop(GameBase& game) : _game(game) {
    auto& platform = platform::loopPlatform();
    _timer = platform.createFrameTimer(game.getFrameRate());
    _last = platform.milliseconds();
    _game.getKernel().start();
    // Integer division on purpose: 16.0 at 60 frames per second.
    _delta = static_cast<float>(1000 / game.getFrameRate()); // NOLINT(bugprone-integer-division)
}

FrameLoop::~FrameLoop() {
    end();
}

void FrameLoop::step() {
    auto& platform = platform::loopPlatform();
    _game.getKernel().update(_delta);
    _game.getKernel().render(_delta);
    _timer->wait();
    platform.present(0);
    const std::int64_t now = platform.milliseconds();
    _delta = static_cast<float>(now - _last);
    _last = now;
    ++_frames;
}

void FrameLoop::end() {
    if (!_ended) {
        _ended = true;
        _game.getKernel().stop();
    }
}

} // namespace tarvex::game
