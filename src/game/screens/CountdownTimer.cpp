#include "game/screens/CountdownTimer.hpp"

#include <cmath>

namespace tarvex::game {

std::int32_t CountdownTimer::getSeconds() const {
    return static_cast<std::int32_t>(std::ceil(_time / 1000.0F));
}

void CountdownTimer::update(float delta) {
    if (_isRunning) {
        _time -= delta;
    }
}

} // namespace tarvex::game
