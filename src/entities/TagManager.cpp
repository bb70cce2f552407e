#include "entities/TagManager.hpp"

#include "core/DebugLog.hpp"
#include "core/TypeBuilder.hpp"
#include "entities/Entity.hpp"
#include "entities/World.hpp"

namespace tarvex {

const Type& TagManager::staticType() {
    static const Type& type = TypeBuilder<TagManager>("TagManager")
                                  .noFactory()
                                  .field("_world", &TagManager::_world)
                                  .field("_entityByTag", &TagManager::_entityByTag)
                                  .field("_tagByEntity", &TagManager::_tagByEntity)
                                  .build();
    return type;
}

TagManager::TagManager(World* world) : _world(world) {}

void TagManager::register_(const std::string& tag, Entity* entity) {
    if (entity == nullptr || entity->getId() < 0) {
        return;
    }
    auto entry = _entityByTag.find(tag);
    if (entry != _entityByTag.end() && entry->second.get() == entity) {
        return;
    }
    if (const auto previousTag = _findTagOf(entity); previousTag != _entityByTag.end()) {
        _erase(previousTag);
        entry = _entityByTag.find(tag);
    }
    if (entry == _entityByTag.end()) {
        entry = _entityByTag.emplace(tag, nullptr).first;
    } else if (entry->second) {
        _tagByEntity[static_cast<std::size_t>(entry->second->getId())] = nullptr;
    }
    entry->second = refOf(entity);
    const auto id = static_cast<std::size_t>(entity->getId());
    if (_tagByEntity.size() <= id) {
        _tagByEntity.resize(id + 1, nullptr);
    }
    _tagByEntity[id] = &entry->first;
}

void TagManager::unregister(std::string_view tag) {
    const auto entry = _entityByTag.find(tag);
    if (entry != _entityByTag.end()) {
        _erase(entry);
    }
}

void TagManager::remove(const Entity* entity) {
    const auto entry = _findTagOf(entity);
    if (entry != _entityByTag.end()) {
        _erase(entry);
    }
}

Entity* TagManager::getEntity(std::string_view tag) const {
    const auto entry = _entityByTag.find(tag);
    return entry == _entityByTag.end() ? nullptr : entry->second.get();
}

const std::string& TagManager::getEntityTag(const Entity* entity) const {
    static const std::string none;
    const auto entry = _findTagOf(entity);
    return entry == _entityByTag.end() ? none : entry->first;
}

void TagManager::dumpTags() const {
    debugLog("TagManager.tags {");
    for (const auto& [tag, entity] : _entityByTag) {
        debugLog("  " + tag + " => " + (entity ? entity->ToString() : std::string("null")));
    }
    debugLog("}");
}

TagManager::TagMap::const_iterator TagManager::_findTagOf(const Entity* entity) const {
    if (entity == nullptr || entity->getId() < 0 ||
        static_cast<std::size_t>(entity->getId()) >= _tagByEntity.size()) {
        return _entityByTag.end();
    }
    const std::string* tag = _tagByEntity[static_cast<std::size_t>(entity->getId())];
    if (tag == nullptr) {
        return _entityByTag.end();
    }
    const auto entry = _entityByTag.find(*tag);
    // Ids are per world: make sure the entry really names this entity.
    return entry != _entityByTag.end() && entry->second.get() == entity ? entry
                                                                        : _entityByTag.end();
}

void TagManager::_erase(TagMap::const_iterator entry) {
    if (entry->second) {
        const auto id = static_cast<std::size_t>(entry->second->getId());
        if (id < _tagByEntity.size() && _tagByEntity[id] == &entry->first) {
            _tagByEntity[id] = nullptr;
        }
    }
    _entityByTag.erase(entry);
}

} // namespace tarvex
