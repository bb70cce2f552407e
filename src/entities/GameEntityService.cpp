#include "entities/GameEntityService.hpp"

#include "core/DebugLog.hpp"
#include "core/TypeBuilder.hpp"
#include "core/TypeRegistry.hpp"
#include "entities/ComponentTypeManager.hpp"
#include "entities/EntityManager.hpp"
#include "entities/GroupManager.hpp"
#include "entities/SystemManager.hpp"
#include "entities/TagManager.hpp"

namespace tarvex {

const Type& GameEntityService::staticType() {
    static const Type& type =
        TypeBuilder<GameEntityService>("GameEntityService")
            .meta("implements", "update, render")
            .field("_kernelInformation", &GameEntityService::_kernelInformation,
                   {{"injectable", "1"}})
            .field("_world", &GameEntityService::_world)
            .build();
    return type;
}

GameEntityService::GameEntityService() : _world(std::make_shared<World>()) {
    init(); // registers this class's injectable field
}

void GameEntityService::update(float delta) {
    _world->execute(delta);
}

Ref<Entity> GameEntityService::createEntity() {
    return _world->createEntity();
}

void GameEntityService::removeEntity(Entity* entity) {
    if (entity == nullptr || entity->getWorld() != _world.get() || !entity->isActive()) {
        return; // removed already: a second removal would hand the entity out twice
    }
    _world->getGroupManager()->remove(entity);
    _world->getEntityManager()->remove(entity);
    _world->getTagManager()->remove(entity);
}

void GameEntityService::removeEntities(const Bag<Entity>* entities) {
    if (entities == nullptr) {
        return;
    }
    for (std::int32_t i = 0; i < entities->getSize(); ++i) {
        _world->deleteEntity(entities->get(i).get());
    }
}

void GameEntityService::removeEntitiesInGroup(std::string_view group) {
    removeEntities(_world->getGroupManager()->getEntities(group));
}

const Ref<Entity>& GameEntityService::getEntityById(std::int32_t id) const {
    return _world->getEntity(id);
}

Entity* GameEntityService::getEntityByTag(std::string_view tag) const {
    return _world->getTagManager()->getEntity(tag);
}

const Bag<Entity>* GameEntityService::getEntitiesWithComponentName(std::string_view name) const {
    return getEntitiesWithComponent(ComponentTypeManager::getTypeForMetaName(name).get());
}

const Bag<Entity>* GameEntityService::getEntitiesWithComponent(const ComponentType* type) const {
    return _world->getEntityManager()->getEntitiesWithComponent(type);
}

const Bag<Entity>* GameEntityService::getEntitiesInGroup(std::string_view group) const {
    return _world->getGroupManager()->getEntities(group);
}

const Ref<ComponentType>& GameEntityService::getComponentType(std::string_view className) const {
    return ComponentTypeManager::getTypeForName(className);
}

void GameEntityService::addSystem(const Ref<EntitySystem>& system) {
    _world->getSystemManager()->setSystem(system);
    // Without a kernel (a service not added to one) the system simply has none.
    system->setKernel(_kernelInformation ? _kernelInformation->getKernel() : nullptr);
}

EntitySystem* GameEntityService::getSystem(std::string_view className) const {
    return _world->getSystemManager()->getSystem(TypeRegistry::instance().findByName(className));
}

void GameEntityService::initializeSystems() {
    _world->getSystemManager()->initializeAll();
}

EntitySystem* GameEntityService::_findSystem(std::string_view className,
                                             std::string_view failure) const {
    const Type* systemClass = TypeRegistry::instance().findByName(className);
    if (systemClass == nullptr) {
        debugLog(std::string(failure) + std::string(className));
    }
    return _world->getSystemManager()->getSystem(systemClass);
}

bool GameEntityService::stopSystem(std::string_view className) {
    EntitySystem* system = _findSystem(className, "stopSystem failed - Unknown system type: ");
    if (system == nullptr) {
        return false;
    }
    system->disableSystem();
    return true;
}

bool GameEntityService::startSystem(std::string_view className) {
    EntitySystem* system = _findSystem(className, "startSystem failed - Unknown system type: ");
    if (system == nullptr) {
        return false;
    }
    system->enableSystem();
    return true;
}

void GameEntityService::clearSystems() {
    SystemManager& systems = *_world->getSystemManager();
    debugLog("clearSystems - before: " + std::to_string(systems.countSystems()));
    systems.clearSystems();
    debugLog("clearSystems - after: " + std::to_string(systems.countSystems()));
}

void GameEntityService::clearEntities() {
    const EntityManager& entities = *_world->getEntityManager();
    debugLog("clearEntities - before: " + std::to_string(entities.getEntityCount()));
    const Bag<Entity>& live = entities.getActiveEntities();
    for (std::int32_t id = 0; id < live.getSize(); ++id) {
        removeEntity(live.get(id).get());
    }
    debugLog("clearEntities - after: " + std::to_string(entities.getEntityCount()));
}

} // namespace tarvex
