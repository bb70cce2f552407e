#include "entities/EntityManager.hpp"

#include "core/TypeBuilder.hpp"
#include "entities/ComponentTypeManager.hpp"
#include "entities/SystemManager.hpp"
#include "entities/World.hpp"

#include <algorithm>

namespace tarvex {

const Type& EntityManager::staticType() {
    static const Type& type =
        TypeBuilder<EntityManager>("EntityManager")
            .noFactory()
            .field("_world", &EntityManager::_world)
            .field("_activeEntities", &EntityManager::_activeEntities)
            .field("_entityPool", &EntityManager::_entityPool)
            .field("_nextAvailableId", &EntityManager::_nextAvailableId)
            .field("_count", &EntityManager::_count)
            .field("_uniqueEntityId", &EntityManager::_uniqueEntityId)
            .field("_totalCreated", &EntityManager::_totalCreated)
            .field("_totalRemoved", &EntityManager::_totalRemoved)
            .field("_componentsByType", &EntityManager::_componentsByType)
            .field("_entitiesByComponent", &EntityManager::_entitiesByComponent)
            .build();
    return type;
}

EntityManager::EntityManager(World* world) : _world(world) {}

Ref<Entity> EntityManager::createEntity() {
    Ref<Entity> entity = _getEntityFromPool();
    entity->setUniqueId(_uniqueEntityId++);
    ++_count;
    ++_totalCreated;
    _activeEntities.set(entity->getId(), entity);
    return entity;
}

void EntityManager::remove(Entity* entity) {
    if (entity == nullptr || _activeEntities.get(entity->getId()).get() != entity) {
        // Not live here: removed already (perhaps at once while also queued for deletion).
        // Removing it again would put it into the pool twice and hand it out twice.
        return;
    }
    const Ref<Entity> keep = _activeEntities.get(entity->getId());
    _world->_forgetDeletion(*entity);
    _activeEntities.set(entity->getId(), nullptr);
    entity->setTypeBits(0);
    refresh(*entity); // every system holding it drops it now
    removeEntityComponents(*entity);
    --_count;
    ++_totalRemoved;
    entity->reset();
    _addEntityToPool(keep);
}

void EntityManager::addComponent(Entity& entity, const Ref<EntityComponent>& component) {
    if (!component) {
        return;
    }
    const ComponentType& type = *ComponentTypeManager::getTypeFor(&component->getType());
    Bag<EntityComponent>& components = getRegisteredComponentsForType(type);
    const Ref<EntityComponent> earlier = components.get(entity.getId());
    if (earlier != component) {
        components.set(entity.getId(), component);
        if (earlier) {
            // One component per type: the replaced one leaves the entity's list too, so that
            // removing the entity later does not meet a component the tables no longer know.
            entity._components.removeObject(earlier);
        }
        entity._components.add(component);
    }
    entity.addTypeBit(type.getBit());

    auto& positions = _entityListPositions(type.getId(), entity.getId());
    if (positions[static_cast<std::size_t>(entity.getId())] < 0) {
        Bag<Entity>& holders = getComponentsToEntityLookup(type);
        positions[static_cast<std::size_t>(entity.getId())] = holders.getSize();
        holders.add(refOf(&entity));
    }
    component->_setParent(&entity);
}

void EntityManager::removeComponent(Entity& entity, const EntityComponent& component) {
    removeComponentByType(entity, ComponentTypeManager::getTypeFor(&component.getType()).get());
}

void EntityManager::removeComponentByType(Entity& entity, const ComponentType* type) {
    if (type == nullptr) {
        return;
    }
    const std::int32_t id = entity.getId();
    if (const auto& components = _componentsByType.get(type->getId())) {
        const Ref<EntityComponent> component = components->get(id);
        if (component) {
            entity._components.removeObject(component);
            components->set(id, nullptr);
        }
    }
    entity.removeTypeBit(type->getBit());

    if (static_cast<std::size_t>(type->getId()) < _entityListPosition.size()) {
        auto& positions = _entityListPosition[static_cast<std::size_t>(type->getId())];
        if (static_cast<std::size_t>(id) < positions.size() &&
            positions[static_cast<std::size_t>(id)] >= 0) {
            Bag<Entity>& holders = *_entitiesByComponent.get(type->getId());
            const std::int32_t position = positions[static_cast<std::size_t>(id)];
            holders.remove(position); // the last entity moves into the gap
            if (const auto& moved = holders.get(position)) {
                positions[static_cast<std::size_t>(moved->getId())] = position;
            }
            positions[static_cast<std::size_t>(id)] = -1;
        }
    }
}

void EntityManager::removeEntityComponents(Entity& entity) {
    // Last attached first: taking from the end keeps the remaining order intact.
    while (!entity._components.isEmpty()) {
        const std::int32_t last = entity._components.getSize() - 1;
        const Ref<EntityComponent> component = entity._components.get(last);
        component->onDelete();
        entity.removeComponent(component);
        if (entity._components.getSize() - 1 == last && entity._components.get(last) == component) {
            entity._components.removeLast(); // not in the type tables; never loop on it
        }
    }
}

const Bag<Entity>* EntityManager::getEntitiesWithComponent(const ComponentType* type) const {
    return type == nullptr ? nullptr : _entitiesByComponent.get(type->getId()).get();
}

void EntityManager::refresh(Entity& entity) {
    _world->getSystemManager()->refreshEntity(entity);
}

void EntityManager::ensureComponentTypeIsRegistered(const ComponentType& type) {
    if (type.getId() >= _componentsByType.getCapacity()) {
        _componentsByType.set(type.getId(), nullptr);
    }
}

Ref<Bag<EntityComponent>> EntityManager::componentTable(const ComponentType& type) {
    (void)getRegisteredComponentsForType(type);
    return _componentsByType.get(type.getId());
}

Bag<EntityComponent>& EntityManager::getRegisteredComponentsForType(const ComponentType& type) {
    ensureComponentTypeIsRegistered(type);
    const auto& existing = _componentsByType.get(type.getId());
    if (existing) {
        return *existing;
    }
    auto components = std::make_shared<Bag<EntityComponent>>();
    _componentsByType.set(type.getId(), components);
    return *components;
}

Bag<Entity>& EntityManager::getComponentsToEntityLookup(const ComponentType& type) {
    const auto& existing = _entitiesByComponent.get(type.getId());
    if (existing) {
        return *existing;
    }
    auto holders = std::make_shared<Bag<Entity>>();
    _entitiesByComponent.set(type.getId(), holders);
    return *holders;
}

Ref<Entity> EntityManager::_getEntityFromPool() {
    Ref<Entity> entity = _entityPool.removeLast();
    if (!entity) {
        return Entity::Create(_world, _nextAvailableId++);
    }
    entity->reset();
    return entity;
}

void EntityManager::_addEntityToPool(const Ref<Entity>& entity) {
    _entityPool.add(entity);
}

std::vector<std::int32_t>& EntityManager::_entityListPositions(std::int32_t typeId,
                                                               std::int32_t entityId) {
    const auto type = static_cast<std::size_t>(typeId);
    if (_entityListPosition.size() <= type) {
        _entityListPosition.resize(type + 1);
    }
    auto& positions = _entityListPosition[type];
    // Grows with the highest id handed out, so steady play does not allocate here.
    const auto needed = static_cast<std::size_t>(std::max(_nextAvailableId, entityId + 1));
    if (positions.size() < needed) {
        positions.resize(needed, -1);
    }
    return positions;
}

} // namespace tarvex
