#include "entities/EntityComponent.hpp"

#include "core/TypeBuilder.hpp"
#include "entities/Entity.hpp"

namespace tarvex {

const Type& EntityComponent::staticType() {
    static const Type& type = TypeBuilder<EntityComponent>("EntityComponent")
                                  .field("_parent", &EntityComponent::_parent)
                                  .build();
    return type;
}

} // namespace tarvex
