// The base of every entity system. A system class names the component classes it needs in its
// `component_types` metadata; the system keeps the list of refreshed entities that hold them
// all (its active list) and processes that list once per world step. Fields of type
// ComponentType with `component_type` metadata receive that component's type at initialize():
//
//     class MovementSystem : public EntityProcessingSystem {
//         TARVEX_OBJECT(MovementSystem, EntityProcessingSystem)
//     public:
//         void processEntity(Entity& entity) override {
//             auto* body = entity.getComponentAs<BodyComponent>(_bodyLookup.get());
//             ...
//         }
//     private:
//         Ref<ComponentType> _bodyLookup;
//     };
//     // TypeBuilder<MovementSystem>("MovementSystem")
//     //     .meta("component_types", "BodyComponent")
//     //     .field("_bodyLookup", &MovementSystem::_bodyLookup, {{"component_type",
//     "BodyComponent"}})
//
// Systems are added to a world through its SystemManager (or the entity service, which also
// gives them the kernel), then initialized once; see the processing, interval, delayed,
// sweeper and initializer kinds for the usual bases.
#pragma once

#include "core/Bag.hpp"
#include "entities/Entity.hpp"
#include "kernel/KernelAwareInterface.hpp"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex {

class World;
class EntityManager;

class EntitySystem : public KernelAwareInterface {
    TARVEX_OBJECT(EntitySystem, KernelAwareInterface)
public:
    EntitySystem() = default;
    EntitySystem(const EntitySystem&) = delete;
    EntitySystem& operator=(const EntitySystem&) = delete;

    // Enabling and disabling suspend process() without touching the active list.
    virtual void enableSystem();
    virtual void disableSystem();
    [[nodiscard]] virtual bool isEnabled() const { return _isEnabled; }
    virtual void onDisabled() {}
    virtual void onEnabled() {}
    // Called when the system is removed from its world.
    virtual void cleanup() {}
    [[nodiscard]] virtual EntityManager* getEntityManager() const;
    [[nodiscard]] virtual bool isSweeper() const { return false; }

    virtual void processEntities(const Bag<Entity>& entities) = 0;
    // Whether this step processes the active list at all.
    [[nodiscard]] virtual bool checkProcessing() = 0;
    virtual void beforeProcessEntities() {}
    virtual void afterProcessEntities() {}
    // When enabled and checkProcessing(): before, processEntities(active list), after.
    virtual void process();

    virtual void setSystemBit(std::int64_t bit) { _systemBit = bit; }
    [[nodiscard]] std::int64_t getSystemBit() const { return _systemBit; }
    virtual void setWorld(World* world) { _world = world; }
    [[nodiscard]] World* getWorld() const { return _world; }
    // Fills the component lookup fields; game systems then load their services.
    virtual void initialize();

    // Hooks: the entity entered / left the active list.
    virtual void added(Entity& /*entity*/) {}
    virtual void removed(Entity& /*entity*/) {}
    // The membership test run whenever the entity is refreshed.
    virtual void change(Entity& entity);
    // Takes the entity out of the active list, clears this system's bit on it, then removed().
    virtual void remove(Entity& entity);

    // Adds component classes to the ones the system requires.
    virtual void registerComponentByName(std::string_view className);
    virtual void registerComponents(std::span<const Type* const> componentClasses);
    virtual void registerComponent(const Type* componentClass);
    // Resolves the `component_types` metadata of the system's class, unless components are
    // registered already. A name that is not a registered component class raises an error
    // naming the system and the class (see checkComponentClassName).
    virtual void _autoRegisterComponentTypes();
    // Fills the system's own fields that carry `component_type` metadata; an unknown class
    // name raises as above.
    virtual void _autoInjectComponentLookups();

    // The component class of that name, or the error "Entity system " + system class + ": " +
    // where + " names " + name + ", which is not a registered component class". `where` says
    // which metadata holds the name ("component_types", "component_type of _bodyLookup").
    static const Type* checkComponentClassName(const Type& systemClass, std::string_view className,
                                               const std::string& where);
    // Checks every name in the `component_types` and `component_type` metadata of a system
    // class (the start-up check of checkEntitySystemTypes).
    static void checkComponentMetadata(const Type& systemClass);

    [[nodiscard]] const Bag<Entity>& getActives() const { return _actives; }
    // OR of the required component types' bits; 0 when the system requires none.
    [[nodiscard]] std::int64_t getTypeFlags() const { return _typeFlags; }

    // Lets go of every active entity without calling removed(): the system has left its world,
    // and a later system of the same class must be able to take the entities again.
    void _releaseEntities();

protected:
    // Calls `process` for each entity of the bag, by position and reading the size at every
    // step (a removal during the walk lets the last entity move into the gap and be skipped).
    template <class Process>
    static void _forEachEntity(const Bag<Entity>& entities, Process&& process) {
        for (std::int32_t i = 0; i < entities.getSize(); ++i) {
            if (Entity* entity = entities.get(i).get()) {
                process(*entity);
            }
        }
    }

private:
    [[nodiscard]] const Type* _componentClassNamed(std::string_view className,
                                                   const std::string& where) const;

    bool _isEnabled = true;
    std::int64_t _systemBit = 0;
    std::int64_t _typeFlags = 0;
    World* _world = nullptr; // back reference: the world owns its systems
    Bag<Entity> _actives;
    // Indexed by entity id: position in _actives, or -1; removal needs no search.
    std::vector<std::int32_t> _activePosition;
};

} // namespace tarvex
