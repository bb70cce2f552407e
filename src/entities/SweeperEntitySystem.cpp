#include "entities/SweeperEntitySystem.hpp"

#include "core/TypeBuilder.hpp"
#include "entities/World.hpp"

namespace tarvex {

const Type& SweeperEntitySystem::staticType() {
    static const Type& type = TypeBuilder<SweeperEntitySystem>("SweeperEntitySystem").build();
    return type;
}

const Type& SweeperEntityProcessingSystem::staticType() {
    static const Type& type =
        TypeBuilder<SweeperEntityProcessingSystem>("SweeperEntityProcessingSystem").build();
    return type;
}

void SweeperEntityProcessingSystem::process() {
    beforeProcessEntities();
    if (getWorld() != nullptr) {
        processEntities(getWorld()->getDeletedEntities());
    }
    afterProcessEntities();
}

} // namespace tarvex
