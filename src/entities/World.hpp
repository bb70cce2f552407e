// The world of the entity-component system: its entities (EntityManager), systems
// (SystemManager), tags and groups. Creation and attachment take effect at once; the systems
// learn of changes, and deleted entities really go, only at the start of the next step:
//
//     World world;
//     world.getSystemManager()->addSystem(std::make_shared<MovementSystem>());
//     auto mine = world.createEntity();
//     mine->addComponent(std::make_shared<BodyComponent>());
//     mine->refresh();
//     world.execute(16.0F); // refreshes, then deletions, then every system in order
//     world.deleteEntity(mine.get()); // gone at the start of the next execute()
#pragma once

#include "core/Bag.hpp"
#include "entities/BaseManager.hpp"
#include "entities/ComponentType.hpp"
#include "entities/Entity.hpp"

#include <cstdint>
#include <unordered_map>

namespace tarvex {

class EntityManager;
class GroupManager;
class SystemManager;
class TagManager;

class World : public Object {
    TARVEX_OBJECT(World, Object)
public:
    World();
    ~World() override;
    World(const World&) = delete;
    World& operator=(const World&) = delete;

    [[nodiscard]] GroupManager* getGroupManager() const { return _groupManager.get(); }
    [[nodiscard]] SystemManager* getSystemManager() const { return _systemManager.get(); }
    [[nodiscard]] EntityManager* getEntityManager() const { return _entityManager.get(); }
    [[nodiscard]] TagManager* getTagManager() const { return _tagManager.get(); }

    // Registers an extra manager under its own class (replacing one of the same class).
    void setManager(const Ref<BaseManager>& manager);
    [[nodiscard]] BaseManager* getManager(const Type* managerClass) const;
    template <class T> [[nodiscard]] T* getManager() const {
        return static_cast<T*>(getManager(&T::staticType()));
    }

    // The time of the current step in milliseconds.
    [[nodiscard]] float getDelta() const { return _delta; }
    void setDelta(float delta) { _delta = delta; }

    // A live entity that no system knows yet: attach components, then refresh() it.
    Ref<Entity> createEntity();
    // Queues a live entity for deletion at the start of the next step (once, however often it
    // is asked); until then it stays in every system, tag and group.
    void deleteEntity(Entity* entity);
    // Queues the entity for the systems' membership test at the start of the next step.
    void refreshEntity(Entity* entity);
    [[nodiscard]] const Ref<Entity>& getEntity(std::int32_t id) const;
    [[nodiscard]] std::int32_t countEntities() const;
    [[nodiscard]] std::int32_t countEntitiesWithComponent(const ComponentType* type) const;

    // One step: loopStart(), then the delta is stored, then every system runs in order.
    void execute(float delta);
    // Applies queued refreshes, then, when deletions are queued, runs the sweepers over them
    // and removes the entities.
    void loopStart();
    void processAllSystems();
    void runSweepers();

    // The entities queued for deletion, in order, as the sweeper systems see them. An entity
    // removed at once after being queued has left it; the queue never holds an empty slot
    // when it is handed out (only a walk that is already going on when such a removal happens
    // finds its slot empty, and skips it as the world's own walks do).
    [[nodiscard]] const Bag<Entity>& getDeletedEntities();

    // Called when an entity is removed at once: it leaves the deletion queue, so that the
    // queue never removes it (or the entity that reuses its object) a second time.
    void _forgetDeletion(Entity& entity);

private:
    std::unordered_map<const Type*, Ref<BaseManager>> _managers;
    Ref<SystemManager> _systemManager;
    Ref<EntityManager> _entityManager;
    Ref<TagManager> _tagManager;
    Ref<GroupManager> _groupManager;
    float _delta = 0;
    Bag<Entity> _refreshed;
    Bag<Entity> _deleted;
    std::int32_t _deletedHoles = 0; // emptied slots in _deleted, closed up when next handed out
    // The deletions being carried out by loopStart(); ones queued meanwhile wait in _deleted
    // for the next step, so that every deferred deletion passes the sweepers.
    Bag<Entity> _deleting;
};

} // namespace tarvex
