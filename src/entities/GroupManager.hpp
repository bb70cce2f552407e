// Named groups of entities ("enemies", "wildlife"). An entity belongs to at most one group;
// putting it into another moves it. The world takes an entity out of its group when the
// entity is removed.
//
//     entity->setGroup("enemies");
//     if (const Bag<Entity>* enemies = world.getGroupManager()->getEntities("enemies")) { ... }
#pragma once

#include "core/Bag.hpp"
#include "entities/BaseManager.hpp"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex {

class World;
class Entity;

class GroupManager : public BaseManager {
    TARVEX_OBJECT(GroupManager, BaseManager)
public:
    explicit GroupManager(World* world);

    // Group "" is ignored.
    void set(const std::string& group, Entity* entity);
    void remove(const Entity* entity);

    // The group's live bag, or null for a group never used.
    [[nodiscard]] const Bag<Entity>* getEntities(std::string_view group) const;
    // The entity's group, or "".
    [[nodiscard]] const std::string& getGroupOf(const Entity* entity) const;
    [[nodiscard]] bool isGrouped(const Entity* entity) const { return !getGroupOf(entity).empty(); }

private:
    World* _world; // back reference to the owner
    std::map<std::string, Ref<Bag<Entity>>, std::less<>> _entitiesByGroup;
    // Indexed by entity id: the key of the entity's group in _entitiesByGroup, or null. Group
    // names are kept once, in the map, so grouping an entity allocates nothing.
    std::vector<const std::string*> _groupByEntity;
};

} // namespace tarvex
