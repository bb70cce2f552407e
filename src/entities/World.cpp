#include "entities/World.hpp"

#include "core/TypeBuilder.hpp"
#include "entities/EntityManager.hpp"
#include "entities/GroupManager.hpp"
#include "entities/SystemManager.hpp"
#include "entities/TagManager.hpp"

#include <utility>

namespace tarvex {

const Type& World::staticType() {
    static const Type& type = TypeBuilder<World>("World")
                                  .field("_managers", &World::_managers)
                                  .field("_systemManager", &World::_systemManager)
                                  .field("_entityManager", &World::_entityManager)
                                  .field("_tagManager", &World::_tagManager)
                                  .field("_groupManager", &World::_groupManager)
                                  .field("_delta", &World::_delta)
                                  .field("_refreshed", &World::_refreshed)
                                  .field("_deleted", &World::_deleted)
                                  .build();
    return type;
}

World::World()
    : _systemManager(SystemManager::Create(this)),
      _entityManager(std::make_shared<EntityManager>(this)),
      _tagManager(std::make_shared<TagManager>(this)),
      _groupManager(std::make_shared<GroupManager>(this)) {}

World::~World() = default;

void World::setManager(const Ref<BaseManager>& manager) {
    if (manager) {
        _managers[&manager->getType()] = manager;
    }
}

BaseManager* World::getManager(const Type* managerClass) const {
    const auto found = _managers.find(managerClass);
    return found == _managers.end() ? nullptr : found->second.get();
}

Ref<Entity> World::createEntity() {
    return _entityManager->createEntity();
}

void World::deleteEntity(Entity* entity) {
    // Only live entities of this world: queueing one that is already gone would remove it
    // (or whichever entity reuses its object by then) a second time.
    if (entity == nullptr || entity->_deletionQueued || entity->getWorld() != this ||
        !entity->isActive()) {
        return;
    }
    entity->_deletionQueued = true;
    _deleted.add(refOf(entity));
}

void World::refreshEntity(Entity* entity) {
    if (entity != nullptr) {
        _refreshed.add(refOf(entity));
    }
}

const Ref<Entity>& World::getEntity(std::int32_t id) const {
    return _entityManager->getEntity(id);
}

std::int32_t World::countEntities() const {
    return _entityManager->getEntityCount();
}

std::int32_t World::countEntitiesWithComponent(const ComponentType* type) const {
    const Bag<Entity>* holders = _entityManager->getEntitiesWithComponent(type);
    return holders == nullptr ? 0 : holders->getSize();
}

void World::execute(float delta) {
    loopStart();
    setDelta(delta);
    processAllSystems();
}

void World::loopStart() {
    if (!_refreshed.isEmpty()) {
        // By position, so that refreshes queued by the systems' hooks meanwhile apply too.
        for (std::int32_t i = 0; i < _refreshed.getSize(); ++i) {
            Entity* entity = _refreshed.get(i).get(); // the slot may move if the queue grows
            _entityManager->refresh(*entity);
        }
        _refreshed.clear();
    }
    if (!_deleted.isEmpty()) {
        runSweepers();
        std::swap(_deleted, _deleting);
        _deletedHoles = 0; // the walk below skips them
        for (std::int32_t i = 0; i < _deleting.getSize(); ++i) {
            Entity* entity = _deleting.get(i).get();
            if (entity == nullptr) {
                continue; // removed at once after it was queued
            }
            entity->_deletionQueued = false;
            _groupManager->remove(entity);
            _entityManager->remove(entity);
            _tagManager->remove(entity);
        }
        _deleting.clear();
    }
}

const Bag<Entity>& World::getDeletedEntities() {
    if (_deletedHoles > 0) {
        // Close up the emptied slots, keeping the order of the others.
        std::int32_t kept = 0;
        for (std::int32_t i = 0; i < _deleted.getSize(); ++i) {
            if (Ref<Entity> entity = _deleted.get(i)) {
                _deleted.set(kept++, std::move(entity));
            }
        }
        while (_deleted.getSize() > kept) {
            _deleted.removeLast();
        }
        _deletedHoles = 0;
    }
    return _deleted;
}

void World::processAllSystems() {
    _systemManager->processAll();
}

void World::runSweepers() {
    _systemManager->processSweepers();
}

void World::_forgetDeletion(Entity& entity) {
    if (!entity._deletionQueued) {
        return;
    }
    entity._deletionQueued = false;
    // The slot is emptied rather than removed, so that a walk over the queue (a sweeper, or
    // loopStart itself) neither skips nor repeats an entity.
    if (const std::int32_t queued = _deleted.findObject(&entity); queued >= 0) {
        _deleted.set(queued, nullptr);
        ++_deletedHoles;
    } else if (const std::int32_t deleting = _deleting.findObject(&entity); deleting >= 0) {
        _deleting.set(deleting, nullptr);
    }
}

} // namespace tarvex
