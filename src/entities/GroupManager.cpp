#include "entities/GroupManager.hpp"

#include "core/TypeBuilder.hpp"
#include "entities/Entity.hpp"
#include "entities/World.hpp"

namespace tarvex {

const Type& GroupManager::staticType() {
    static const Type& type = TypeBuilder<GroupManager>("GroupManager")
                                  .noFactory()
                                  .field("_world", &GroupManager::_world)
                                  .field("_entitiesByGroup", &GroupManager::_entitiesByGroup)
                                  .field("_groupByEntity", &GroupManager::_groupByEntity)
                                  .build();
    return type;
}

GroupManager::GroupManager(World* world) : _world(world) {}

void GroupManager::set(const std::string& group, Entity* entity) {
    if (group.empty() || entity == nullptr || entity->getId() < 0) {
        return;
    }
    remove(entity);
    auto entry = _entitiesByGroup.find(group);
    if (entry == _entitiesByGroup.end()) {
        entry = _entitiesByGroup.emplace(group, std::make_shared<Bag<Entity>>()).first;
    }
    entry->second->add(refOf(entity));
    const auto id = static_cast<std::size_t>(entity->getId());
    if (_groupByEntity.size() <= id) {
        _groupByEntity.resize(id + 1, nullptr);
    }
    _groupByEntity[id] = &entry->first;
}

void GroupManager::remove(const Entity* entity) {
    if (entity == nullptr || entity->getId() < 0 ||
        static_cast<std::size_t>(entity->getId()) >= _groupByEntity.size()) {
        return;
    }
    const std::string*& group = _groupByEntity[static_cast<std::size_t>(entity->getId())];
    if (group == nullptr) {
        return;
    }
    const auto entry = _entitiesByGroup.find(*group);
    group = nullptr;
    if (entry != _entitiesByGroup.end()) {
        entry->second->removeObject(entity);
    }
}

const Bag<Entity>* GroupManager::getEntities(std::string_view group) const {
    const auto entry = _entitiesByGroup.find(group);
    return entry == _entitiesByGroup.end() ? nullptr : entry->second.get();
}

const std::string& GroupManager::getGroupOf(const Entity* entity) const {
    static const std::string none;
    if (entity == nullptr || entity->getId() < 0 ||
        static_cast<std::size_t>(entity->getId()) >= _groupByEntity.size()) {
        return none;
    }
    const std::string* group = _groupByEntity[static_cast<std::size_t>(entity->getId())];
    return group == nullptr ? none : *group;
}

} // namespace tarvex
