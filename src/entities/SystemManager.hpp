// Owns the entity systems of one world, in registration order, which is their processing
// order. Tells every system about refreshed entities and runs them each step; the systems that
// sweep deleted entities are also kept in a list of their own, run before deletions happen.
//
//     world.getSystemManager()->addSystem(std::make_shared<MovementSystem>());
//     world.getSystemManager()->initializeAll();
#pragma once

#include "core/Bag.hpp"
#include "entities/BaseManager.hpp"

#include <unordered_map>

namespace tarvex {

class World;
class Entity;
class EntitySystem;

class SystemManager : public BaseManager {
    TARVEX_OBJECT(SystemManager, BaseManager)
public:
    explicit SystemManager(World* world);
    [[nodiscard]] static Ref<SystemManager> Create(World* world);

    // Resolves the system's component types, gives it the world and its bit and lists it.
    // A null system raises "Cannot add a null system".
    const Ref<EntitySystem>& addSystem(const Ref<EntitySystem>& system);
    const Ref<EntitySystem>& setSystem(const Ref<EntitySystem>& system) {
        return addSystem(system);
    }

    // The system registered for exactly that class, or null.
    [[nodiscard]] EntitySystem* getSystem(const Type* systemClass) const;
    template <class T> [[nodiscard]] T* getSystem() const {
        return static_cast<T*>(getSystem(&T::staticType()));
    }
    [[nodiscard]] const Bag<EntitySystem>& getSystems() const { return _systemList; }
    [[nodiscard]] std::int32_t countSystems() const { return _systemList.getSize(); }

    // cleanup(), then the system leaves every list (the last system takes its place in the
    // processing order) and lets go of its entities.
    void removeSystem(EntitySystem* system);
    // cleanup() on every system in order, then forgets them all.
    void clearSystems();

    // Every system's membership test for the entity, in order.
    void refreshEntity(Entity& entity);
    void initializeAll();
    void processAll();
    // Every enabled sweeper, in order.
    void processSweepers();

private:
    void _addSystem(const Ref<EntitySystem>& system, const Type& systemClass);

    World* _world; // back reference to the owner
    std::unordered_map<const Type*, Ref<EntitySystem>> _systems;
    Bag<EntitySystem> _systemList;
    Bag<EntitySystem> _sweeperList;
};

} // namespace tarvex
