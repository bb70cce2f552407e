// The kernel service that owns the game's one World and is the entry point through which
// screens, factories and systems create, find and remove entities and manage systems. Each
// kernel update runs one world step with the frame time.
//
// Removal comes in two kinds: removeEntity() and clearEntities() act at once and bypass the
// sweeper systems; removeEntities() and removeEntitiesInGroup() queue the entities, which go
// at the start of the next update after the sweepers have seen them. Systems are set up in
// order, then initialized once:
//
//     entities->addSystem(std::make_shared<ResourceLoaderSystem>());
//     entities->addSystem(std::make_shared<MovementSystem>());
//     entities->initializeSystems(); // lookups filled, services loaded from the kernel
//     ...
//     entities->clearEntities();     // every system's removed() sees every entity
//     entities->clearSystems();
#pragma once

#include "core/Bag.hpp"
#include "entities/ComponentType.hpp"
#include "entities/Entity.hpp"
#include "entities/EntitySystem.hpp"
#include "entities/World.hpp"
#include "kernel/GameKernel.hpp"
#include "kernel/GameService.hpp"

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvex {

class GameEntityService : public GameService {
    TARVEX_OBJECT(GameEntityService, GameService)
public:
    GameEntityService();

    // One world step: queued refreshes and deletions, then every system in order.
    void update(float delta) override;

    [[nodiscard]] World* getWorld() const { return _world.get(); }
    // The caller attaches components and calls refresh().
    Ref<Entity> createEntity();
    // At once: systems drop the entity and its components are detached before this returns;
    // the sweepers never see it. An entity that is no longer live is left alone.
    void removeEntity(Entity* entity);
    // Deferred: each entity goes at the start of the next update, after the sweepers.
    void removeEntities(const Bag<Entity>* entities);
    void removeEntitiesInGroup(std::string_view group);

    [[nodiscard]] const Ref<Entity>& getEntityById(std::int32_t id) const;
    [[nodiscard]] Entity* getEntityByTag(std::string_view tag) const;
    // By meta name ("body"); an unknown meta name raises.
    [[nodiscard]] const Bag<Entity>* getEntitiesWithComponentName(std::string_view name) const;
    [[nodiscard]] const Bag<Entity>* getEntitiesWithComponent(const ComponentType* type) const;
    // The group's live bag, or null.
    [[nodiscard]] const Bag<Entity>* getEntitiesInGroup(std::string_view group) const;
    // By class name ("BodyComponent"); an unknown class raises.
    [[nodiscard]] const Ref<ComponentType>& getComponentType(std::string_view className) const;

    // Adds the system to the world (resolving its component types) and gives it the kernel.
    void addSystem(const Ref<EntitySystem>& system);
    [[nodiscard]] EntitySystem* getSystem(std::string_view className) const;
    void initializeSystems();
    // Disable / enable the system of that class; false when there is none. An unknown class
    // name is written to the debug log.
    bool stopSystem(std::string_view className);
    bool startSystem(std::string_view className);
    // Every system's cleanup(), then no system is left; the counts go to the debug log.
    void clearSystems();
    // Removes every live entity at once, in id order; the counts go to the debug log.
    void clearEntities();

private:
    [[nodiscard]] EntitySystem* _findSystem(std::string_view className,
                                            std::string_view failure) const;

    Ref<KernelInformationService> _kernelInformation; // injected by the kernel
    Ref<World> _world;
};

} // namespace tarvex
