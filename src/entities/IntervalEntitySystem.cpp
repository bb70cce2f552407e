#include "entities/IntervalEntitySystem.hpp"

#include "core/TypeBuilder.hpp"
#include "entities/World.hpp"

namespace tarvex {

const Type& IntervalEntitySystem::staticType() {
    static const Type& type =
        TypeBuilder<IntervalEntitySystem>("IntervalEntitySystem")
            .field("_timeSinceLastExecution", &IntervalEntitySystem::_timeSinceLastExecution)
            .field("_interval", &IntervalEntitySystem::_interval)
            .build();
    return type;
}

const Type& IntervalEntityProcessingSystem::staticType() {
    static const Type& type =
        TypeBuilder<IntervalEntityProcessingSystem>("IntervalEntityProcessingSystem").build();
    return type;
}

bool IntervalEntitySystem::checkProcessing() {
    _timeSinceLastExecution += getWorld() == nullptr ? 0.0F : getWorld()->getDelta();
    if (_timeSinceLastExecution >= _interval) {
        _timeSinceLastExecution -= _interval;
        return true;
    }
    return false;
}

} // namespace tarvex
