// A typed accessor for one component class in one world, resolved once and then used per
// entity without any lookup by class:
//
//     EntityComponentMapper bodies;
//     bodies.initialize(&BodyComponent::staticType(), world);
//     BodyComponent* body = bodies.get<BodyComponent>(entity);
//
// initialize() takes hold of the world's table of that component class (indexed by entity id;
// a world keeps one table per class for its whole life), so a lookup is one bounds check and
// one load: this is the fast way for a system to reach components.
#pragma once

#include "core/Bag.hpp"
#include "entities/ComponentType.hpp"
#include "entities/EntityComponent.hpp"
#include "entities/EntityManager.hpp"

namespace tarvex {

class World;

class EntityComponentMapper : public Object {
    TARVEX_OBJECT(EntityComponentMapper, Object)
public:
    void initialize(const Type* componentClass, World* world);

    // The entity's component of the mapped class, or null (also before initialize()).
    [[nodiscard]] const Ref<EntityComponent>& get(const Entity& entity) const {
        return get(entity.getId());
    }
    [[nodiscard]] const Ref<EntityComponent>& get(std::int32_t entityId) const {
        return _components == nullptr ? NO_COMPONENT : _components->get(entityId);
    }
    template <class T> [[nodiscard]] T* get(const Entity& entity) const {
        return static_cast<T*>(get(entity.getId()).get());
    }
    [[nodiscard]] const Ref<ComponentType>& getComponentType() const { return _componentType; }
    [[nodiscard]] const Type* getClassType() const { return _classType; }

private:
    static inline const Ref<EntityComponent> NO_COMPONENT;

    Ref<ComponentType> _componentType;
    EntityManager* _em = nullptr;          // the world's entity manager
    Ref<Bag<EntityComponent>> _components; // its table of this class, by entity id
    const Type* _classType = nullptr;      // the component class (a type record)
};

} // namespace tarvex
