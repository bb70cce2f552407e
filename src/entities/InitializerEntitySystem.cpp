#include "entities/InitializerEntitySystem.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex {

const Type& InitializerEntitySystem::staticType() {
    static const Type& type =
        TypeBuilder<InitializerEntitySystem>("InitializerEntitySystem").build();
    return type;
}

const Type& InitializerEntityProcessingSystem::staticType() {
    static const Type& type =
        TypeBuilder<InitializerEntityProcessingSystem>("InitializerEntityProcessingSystem").build();
    return type;
}

} // namespace tarvex
