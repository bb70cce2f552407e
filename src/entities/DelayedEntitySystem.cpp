#include "entities/DelayedEntitySystem.hpp"

#include "core/TypeBuilder.hpp"
#include "entities/World.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tarvex {

const Type& DelayedEntitySystem::staticType() {
    static const Type& type = TypeBuilder<DelayedEntitySystem>("DelayedEntitySystem")
                                  .field("_delay", &DelayedEntitySystem::_delay)
                                  .field("_running", &DelayedEntitySystem::_running)
                                  .field("_acc", &DelayedEntitySystem::_acc)
                                  .build();
    return type;
}

const Type& DelayedEntityProcessingSystem::staticType() {
    static const Type& type =
        TypeBuilder<DelayedEntityProcessingSystem>("DelayedEntityProcessingSystem")
            .field("_accumulatedDelta", &DelayedEntityProcessingSystem::_accumulatedDelta)
            .build();
    return type;
}

bool DelayedEntitySystem::checkProcessing() {
    if (!_running) {
        return false;
    }
    const double delta = getWorld() == nullptr ? 0.0 : getWorld()->getDelta();
    if (!std::isnan(delta)) {
        // Truncated toward zero to whole milliseconds; clamped so that no step can overflow.
        const double sum = std::trunc(static_cast<double>(_acc) + delta);
        constexpr double lowest = std::numeric_limits<std::int32_t>::min();
        constexpr double highest = std::numeric_limits<std::int32_t>::max();
        _acc = static_cast<std::int32_t>(sum < lowest ? lowest : (sum > highest ? highest : sum));
    }
    return _acc >= _delay;
}

void DelayedEntitySystem::processEntities(const Bag<Entity>& entities) {
    _processEntities(entities, static_cast<float>(_acc));
    stop();
}

void DelayedEntitySystem::startDelayedRun(std::int32_t delay) {
    _delay = delay;
    _acc = 0;
    _running = true;
}

std::int32_t DelayedEntitySystem::getRemainingTimeUntilProcessing() const {
    if (!_running) {
        return 0;
    }
    const std::int64_t remaining = std::int64_t{_delay} - _acc; // no overflow at the extremes
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(remaining, std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max()));
}

void DelayedEntitySystem::stop() {
    _running = false;
    _acc = 0;
}

} // namespace tarvex
