#include "entities/SystemManager.hpp"

#include "core/Error.hpp"
#include "core/TypeBuilder.hpp"
#include "entities/EntitySystem.hpp"
#include "entities/SystemBitManager.hpp"
#include "entities/World.hpp"

namespace tarvex {

const Type& SystemManager::staticType() {
    static const Type& type = TypeBuilder<SystemManager>("SystemManager")
                                  .noFactory()
                                  .field("_world", &SystemManager::_world)
                                  .field("_systems", &SystemManager::_systems)
                                  .field("_systemList", &SystemManager::_systemList)
                                  .field("_sweeperList", &SystemManager::_sweeperList)
                                  .build();
    return type;
}

SystemManager::SystemManager(World* world) : _world(world) {}

Ref<SystemManager> SystemManager::Create(World* world) {
    return std::make_shared<SystemManager>(world);
}

const Ref<EntitySystem>& SystemManager::addSystem(const Ref<EntitySystem>& system) {
    if (!system) {
        throw Error("Cannot add a null system");
    }
    system->_autoRegisterComponentTypes();
    system->setWorld(_world);
    if (system->isSweeper() && !_sweeperList.contains(system)) {
        _sweeperList.add(system);
    }
    const Type& systemClass = system->getType();
    _addSystem(system, systemClass);
    system->setSystemBit(SystemBitManager::getBitFor(&systemClass));
    return system;
}

void SystemManager::_addSystem(const Ref<EntitySystem>& system, const Type& systemClass) {
    _systems[&systemClass] = system;
    if (!_systemList.contains(system)) {
        _systemList.add(system);
    }
}

EntitySystem* SystemManager::getSystem(const Type* systemClass) const {
    if (systemClass == nullptr) {
        return nullptr;
    }
    const auto found = _systems.find(systemClass);
    return found == _systems.end() ? nullptr : found->second.get();
}

void SystemManager::removeSystem(EntitySystem* system) {
    if (system == nullptr) {
        return;
    }
    const Ref<EntitySystem> keep = refOf(system); // the lists may hold the last reference
    system->cleanup();
    _systemList.removeObject(system);
    // A removed sweeper must not go on sweeping.
    _sweeperList.removeObject(system);
    const auto found = _systems.find(&system->getType());
    if (found != _systems.end() && found->second.get() == system) {
        _systems.erase(found);
    }
    system->_releaseEntities();
}

void SystemManager::clearSystems() {
    for (std::int32_t i = 0; i < _systemList.getSize(); ++i) {
        const Ref<EntitySystem> system = _systemList.get(i);
        system->cleanup();
    }
    // Keep the systems alive until every list has let go, then free their entities' bits.
    Bag<EntitySystem> cleared;
    std::swap(cleared, _systemList);
    _sweeperList.clear();
    _systems.clear();
    for (const auto& system : cleared) {
        system->_releaseEntities();
    }
}

void SystemManager::refreshEntity(Entity& entity) {
    for (std::int32_t i = 0; i < _systemList.getSize(); ++i) {
        _systemList.get(i)->change(entity);
    }
}

void SystemManager::initializeAll() {
    for (std::int32_t i = 0; i < _systemList.getSize(); ++i) {
        const Ref<EntitySystem> system = _systemList.get(i);
        system->initialize();
    }
}

void SystemManager::processAll() {
    for (std::int32_t i = 0; i < _systemList.getSize(); ++i) {
        const Ref<EntitySystem> system = _systemList.get(i); // a system may remove itself
        system->process();
    }
}

void SystemManager::processSweepers() {
    for (std::int32_t i = 0; i < _sweeperList.getSize(); ++i) {
        const Ref<EntitySystem> system = _sweeperList.get(i);
        if (system->isEnabled()) {
            system->process();
        }
    }
}

} // namespace tarvex
