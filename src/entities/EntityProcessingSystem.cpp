#include "entities/EntityProcessingSystem.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex {

const Type& EntityProcessingSystem::staticType() {
    static const Type& type = TypeBuilder<EntityProcessingSystem>("EntityProcessingSystem").build();
    return type;
}

} // namespace tarvex
