// The base of every component: a plain data object attached to one entity. Each concrete
// component class carries the `name` metadata, its meta name ("body", "depth_charge"), unique
// among component classes, under which content and templates refer to it:
//
//     class LifespanComponent : public EntityComponent {
//         TARVEX_OBJECT(LifespanComponent, EntityComponent)
//     public:
//         float delete_after = 0;
//     };
//     // TypeBuilder<LifespanComponent>("LifespanComponent").meta("name", "lifespan")...
//
// The hooks are called by the entity factory (beforeCreate, afterCreate) and on removal
// (onDelete when the entity is removed, then onRemove whenever the component is detached).
#pragma once

#include "core/Object.hpp"

#include <cstdint>

namespace tarvex {

class Entity;

class EntityComponent : public Object {
    TARVEX_OBJECT(EntityComponent, Object)
public:
    virtual std::int32_t beforeCreate() { return 0; }
    virtual std::int32_t afterCreate() { return 0; }
    virtual std::int32_t onDelete() { return 0; }
    virtual std::int32_t onRemove() { return 0; }

    // The entity the component was last attached to; null until attached.
    [[nodiscard]] Entity* getParent() const { return _parent; }
    void _setParent(Entity* parent) { _parent = parent; }

private:
    Entity* _parent = nullptr; // back reference; the entity's world owns the entity
};

} // namespace tarvex
