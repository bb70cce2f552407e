// An entity: an id, a set of attached components and two masks, one of the component types it
// holds and one of the systems whose active lists hold it. Entities are made by the world
// (World::createEntity), which owns them; once removed they go back to the world's pool and
// are handed out again with the same id and a new unique id, so never keep an Entity across
// its removal. Changes reach the systems only after refresh() and the next world step:
//
//     auto entity = world.createEntity();
//     entity->addComponent(std::make_shared<BodyComponent>());
//     entity->setTag("player");
//     entity->refresh();
#pragma once

#include "core/Bag.hpp"
#include "entities/ComponentType.hpp"
#include "entities/ComponentTypeManager.hpp"
#include "entities/EntityComponent.hpp"

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvex {

class World;
class EntityManager;

class Entity : public Object {
    TARVEX_OBJECT(Entity, Object)
public:
    // Use Create(); public only so that make_shared can reach it.
    Entity(World* world, std::int32_t id);

    // A new entity of `world` with that id. A null world raises
    // "Entity must belong to a valid World instance".
    [[nodiscard]] static Ref<Entity> Create(World* world, std::int32_t id);

    // Live: created and not yet removed.
    [[nodiscard]] bool isActive() const;
    [[nodiscard]] const Bag<EntityComponent>& getComponents() const { return _components; }
    [[nodiscard]] World* getWorld() const { return _world; }
    [[nodiscard]] EntityManager* getEntityManager() const { return _entityManager; }
    [[nodiscard]] std::int32_t getId() const { return _id; }
    [[nodiscard]] std::int64_t getUniqueId() const { return _uniqueId; }
    [[nodiscard]] std::int64_t getTypeBits() const { return _typeBits; }
    [[nodiscard]] std::int64_t getSystemBits() const { return _systemBits; }

    Entity& setUniqueId(std::int64_t uniqueId);
    Entity& addTypeBit(std::int64_t bit);
    Entity& setTypeBits(std::int64_t bits);
    Entity& removeTypeBit(std::int64_t bit);
    Entity& addSystemBit(std::int64_t bit);
    Entity& setSystemBits(std::int64_t bits);
    Entity& removeSystemBit(std::int64_t bit);

    Entity& setTag(const std::string& tag);
    // The entity's tag, or "".
    [[nodiscard]] const std::string& getTag() const;
    void setGroup(const std::string& group);

    // Queues the entity for the systems; they see it at the start of the next world step.
    void refresh();
    // Clears both masks and detaches every component.
    void reset();

    // Attaches at once (the systems learn of it after refresh()). A component of a type the
    // entity already holds replaces the earlier one.
    Entity& addComponent(const Ref<EntityComponent>& component);
    // Calls the component's onRemove(), then detaches the entity's component of that type.
    void removeComponent(const Ref<EntityComponent>& component);
    void removeComponentByType(const ComponentType* type);
    void removeComponentByName(std::string_view name);

    [[nodiscard]] bool hasComponent(const ComponentType* type) const {
        return type != nullptr && (_typeBits & type->getBit()) > 0;
    }
    // The component of that type, or null: two array indexings, no search.
    [[nodiscard]] inline const Ref<EntityComponent>& getComponent(const ComponentType* type) const;
    [[nodiscard]] const Ref<EntityComponent>& getComponent(const Ref<ComponentType>& type) const {
        return getComponent(type.get());
    }
    // The component of that type as its class; null when absent.
    template <class T> [[nodiscard]] T* getComponentAs(const ComponentType* type) const {
        return static_cast<T*>(getComponent(type).get());
    }
    template <class T> [[nodiscard]] T* getComponentAs() const {
        return getComponentAs<T>(ComponentTypeManager::getTypeFor<T>().get());
    }
    // By meta name ("body"); an unknown meta name raises. The flag is not used.
    [[nodiscard]] const Ref<EntityComponent>& getComponentByName(std::string_view name,
                                                                 bool flag = false) const;

    // Writes the tag and the class name of every component to the debug log.
    void dumpComponents() const;

    [[nodiscard]] std::string ToString() const override;

private:
    friend class World;
    friend class EntityManager;

    std::int32_t _id;
    std::int64_t _uniqueId = 0;
    std::int64_t _typeBits = 0;
    std::int64_t _systemBits = 0;
    World* _world;                 // back reference: the world owns its entities
    EntityManager* _entityManager; // the world's entity manager
    Bag<EntityComponent> _components;
    bool _deletionQueued = false; // waiting in the world's deletion queue
};

} // namespace tarvex

// Defines the inline component lookup once EntityManager is complete.
#include "entities/EntityManager.hpp"
