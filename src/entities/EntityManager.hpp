// Owns the entities of one world and the components attached to them. Live entities sit in a
// bag indexed by entity id; removed ones wait in a pool and are handed out again last in,
// first out, so ids are reused at once (unique ids never are) and steady play makes no new
// entity objects. Per component type it keeps two tables: the components indexed by entity
// id (so a lookup is two array indexings) and the list of entities holding that type.
//
// Used through World and Entity; the world's step calls remove() for queued deletions, and
// the entity service calls it directly for immediate removals.
#pragma once

#include "core/Bag.hpp"
#include "entities/BaseManager.hpp"
#include "entities/ComponentType.hpp"
#include "entities/Entity.hpp"
#include "entities/EntityComponent.hpp"

#include <cstdint>
#include <vector>

namespace tarvex {

class World;

// The answer of component lookups that find nothing. At namespace scope, so that the lookup
// pays no guard check for a function-local static.
inline const Ref<EntityComponent> NO_COMPONENT;

class EntityManager : public BaseManager {
    TARVEX_OBJECT(EntityManager, BaseManager)
public:
    explicit EntityManager(World* world);

    // A live entity: from the pool (most recently removed first) or new, with a new unique id.
    Ref<Entity> createEntity();
    // Removes a live entity at once: systems drop it, its components are detached, it goes
    // back to the pool. An entity that is not live here (already removed) is left alone.
    void remove(Entity* entity);

    [[nodiscard]] const Ref<Entity>& getEntity(std::int32_t id) const {
        return _activeEntities.get(id);
    }
    [[nodiscard]] bool isActive(std::int32_t id) const {
        return _activeEntities.get(id) != nullptr;
    }
    // Indexed by id, so it has null slots.
    [[nodiscard]] const Bag<Entity>& getActiveEntities() const { return _activeEntities; }
    [[nodiscard]] std::int32_t getEntityCount() const { return _count; }
    [[nodiscard]] std::int32_t getTotalCreated() const {
        return static_cast<std::int32_t>(_totalCreated);
    }
    [[nodiscard]] std::int32_t getTotalRemoved() const {
        return static_cast<std::int32_t>(_totalRemoved);
    }

    void addComponent(Entity& entity, const Ref<EntityComponent>& component);
    // Detaches the entity's component of the same type as `component`.
    void removeComponent(Entity& entity, const EntityComponent& component);
    void removeComponentByType(Entity& entity, const ComponentType* type);
    // Every component gets onDelete(), then is detached through Entity::removeComponent.
    void removeEntityComponents(Entity& entity);

    // The table of components of one type, indexed by entity id, made on first use. A table
    // is never replaced, so a holder (EntityComponentMapper) may read it for the world's life.
    [[nodiscard]] Ref<Bag<EntityComponent>> componentTable(const ComponentType& type);
    [[nodiscard]] const Ref<EntityComponent>& getComponent(const Entity& entity,
                                                           const ComponentType* type) const {
        if (type == nullptr) {
            return NO_COMPONENT;
        }
        const auto& components = _componentsByType.get(type->getId());
        return components ? components->get(entity.getId()) : NO_COMPONENT;
    }
    [[nodiscard]] const Bag<EntityComponent>& getEntityComponents(const Entity& entity) const {
        return entity.getComponents();
    }
    // The entities holding a component of that type, or null when none ever did.
    [[nodiscard]] const Bag<Entity>* getEntitiesWithComponent(const ComponentType* type) const;

    // Tells every system of the world about the entity now.
    void refresh(Entity& entity);

    void ensureComponentTypeIsRegistered(const ComponentType& type);
    Bag<EntityComponent>& getRegisteredComponentsForType(const ComponentType& type);
    Bag<Entity>& getComponentsToEntityLookup(const ComponentType& type);

private:
    Ref<Entity> _getEntityFromPool();
    void _addEntityToPool(const Ref<Entity>& entity);
    // Index of the entity in the type's entity list, for removal without a search.
    std::vector<std::int32_t>& _entityListPositions(std::int32_t typeId, std::int32_t entityId);

    World* _world; // back reference to the owner
    Bag<Entity> _activeEntities;
    Bag<Entity> _entityPool;
    std::int32_t _nextAvailableId = 1;
    std::int32_t _count = 0;
    std::int64_t _uniqueEntityId = 0;
    std::int64_t _totalCreated = 0;
    std::int64_t _totalRemoved = 0;
    Bag<Bag<EntityComponent>> _componentsByType;
    Bag<Bag<Entity>> _entitiesByComponent;
    // Per type id, per entity id: position in _entitiesByComponent's list, or -1.
    std::vector<std::vector<std::int32_t>> _entityListPosition;
};

inline const Ref<EntityComponent>& Entity::getComponent(const ComponentType* type) const {
    return _entityManager->getComponent(*this, type);
}

} // namespace tarvex
