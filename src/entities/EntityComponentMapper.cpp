#include "entities/EntityComponentMapper.hpp"

#include "core/TypeBuilder.hpp"
#include "entities/ComponentTypeManager.hpp"
#include "entities/World.hpp"

namespace tarvex {

const Type& EntityComponentMapper::staticType() {
    static const Type& type = TypeBuilder<EntityComponentMapper>("EntityComponentMapper")
                                  .field("_componentType", &EntityComponentMapper::_componentType)
                                  .field("_em", &EntityComponentMapper::_em)
                                  .build();
    return type;
}

void EntityComponentMapper::initialize(const Type* componentClass, World* world) {
    _componentType = ComponentTypeManager::getTypeFor(componentClass);
    _em = world == nullptr ? nullptr : world->getEntityManager();
    _components = _em == nullptr ? nullptr : _em->componentTable(*_componentType);
    _classType = componentClass;
}

} // namespace tarvex
