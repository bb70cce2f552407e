// Unique string tags naming single entities ("player"). A tag names at most one entity and an
// entity carries at most one tag: registering a tag that names another entity moves it, and
// registering a second tag for an entity drops the first, so the two directions always agree.
// The world drops an entity's tag when the entity is removed.
//
//     world.getTagManager()->register_("player", boat.get());
//     Entity* player = world.getTagManager()->getEntity("player");
#pragma once

#include "entities/BaseManager.hpp"

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex {

class World;
class Entity;

class TagManager : public BaseManager {
    TARVEX_OBJECT(TagManager, BaseManager)
public:
    explicit TagManager(World* world);

    // "register" is a C++ keyword, hence the trailing underscore.
    void register_(const std::string& tag, Entity* entity);
    void unregister(std::string_view tag);
    // Drops the entity's tag, if it has one.
    void remove(const Entity* entity);

    [[nodiscard]] Entity* getEntity(std::string_view tag) const;
    [[nodiscard]] Entity* getTagEntity(std::string_view tag) const { return getEntity(tag); }
    // The entity's tag, or "".
    [[nodiscard]] const std::string& getEntityTag(const Entity* entity) const;
    [[nodiscard]] bool isRegistered(std::string_view tag) const {
        return getEntity(tag) != nullptr;
    }

    // Writes every tag and its entity, in tag order, to the debug log.
    void dumpTags() const;

private:
    using TagMap = std::map<std::string, Ref<Entity>, std::less<>>;

    // The map entry of the entity's tag, or end().
    [[nodiscard]] TagMap::const_iterator _findTagOf(const Entity* entity) const;
    void _erase(TagMap::const_iterator entry);

    World* _world; // back reference to the owner
    TagMap _entityByTag;
    // Indexed by entity id: the key of the entity's tag in _entityByTag, or null. Map keys do
    // not move, and an index avoids hashing on the removal path.
    std::vector<const std::string*> _tagByEntity;
};

} // namespace tarvex
