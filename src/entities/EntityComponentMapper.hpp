// A typed accessor for one component class in one world, resolved once and then used per
// entity without any lookup by class:
//
//     EntityComponentMapper bodies;
//     bodies.initialize(&BodyComponent::staticType(), world);
//     BodyComponent* body = bodies.get<BodyComponent>(entity);
#pragma once

#include "entities/ComponentType.hpp"
#include "entities/EntityComponent.hpp"
#include "entities/EntityManager.hpp"

namespace tarvex {

class World;

class EntityComponentMapper : public Object {
    TARVEX_OBJECT(EntityComponentMapper, Object)
public:
    void initialize(const Type* componentClass, World* world);

    // The entity's component of the mapped class, or null.
    [[nodiscard]] const Ref<EntityComponent>& get(const Entity& entity) const {
        static const Ref<EntityComponent> none;
        return _em == nullptr ? none : _em->getComponent(entity, _componentType.get());
    }
    template <class T> [[nodiscard]] T* get(const Entity& entity) const {
        return static_cast<T*>(get(entity).get());
    }
    [[nodiscard]] const Ref<ComponentType>& getComponentType() const { return _componentType; }
    [[nodiscard]] const Type* getClassType() const { return _classType; }

private:
    Ref<ComponentType> _componentType;
    EntityManager* _em = nullptr;     // the world's entity manager
    const Type* _classType = nullptr; // the component class (a type record, not an object)
};

} // namespace tarvex
