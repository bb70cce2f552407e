#include "entities/Entity.hpp"

#include "core/DebugLog.hpp"
#include "core/Error.hpp"
#include "core/TypeBuilder.hpp"
#include "entities/EntityManager.hpp"
#include "entities/GroupManager.hpp"
#include "entities/TagManager.hpp"
#include "entities/World.hpp"

namespace tarvex {

const Type& Entity::staticType() {
    static const Type& type = TypeBuilder<Entity>("Entity")
                                  .noFactory()
                                  .field("_id", &Entity::_id)
                                  .field("_uniqueId", &Entity::_uniqueId)
                                  .field("_typeBits", &Entity::_typeBits)
                                  .field("_systemBits", &Entity::_systemBits)
                                  .field("_world", &Entity::_world)
                                  .field("_entityManager", &Entity::_entityManager)
                                  .field("_components", &Entity::_components)
                                  .build();
    return type;
}

Entity::Entity(World* world, std::int32_t id)
    : _id(id), _world(world), _entityManager(world->getEntityManager()) {}

Ref<Entity> Entity::Create(World* world, std::int32_t id) {
    if (world == nullptr) {
        throw Error("Entity must belong to a valid World instance");
    }
    return std::make_shared<Entity>(world, id);
}

bool Entity::isActive() const {
    return _entityManager->isActive(_id);
}

Entity& Entity::setUniqueId(std::int64_t uniqueId) {
    _uniqueId = uniqueId;
    return *this;
}

Entity& Entity::addTypeBit(std::int64_t bit) {
    _typeBits |= bit;
    return *this;
}

Entity& Entity::setTypeBits(std::int64_t bits) {
    _typeBits = bits;
    return *this;
}

Entity& Entity::removeTypeBit(std::int64_t bit) {
    _typeBits &= ~bit;
    return *this;
}

Entity& Entity::addSystemBit(std::int64_t bit) {
    _systemBits |= bit;
    return *this;
}

Entity& Entity::setSystemBits(std::int64_t bits) {
    _systemBits = bits;
    return *this;
}

Entity& Entity::removeSystemBit(std::int64_t bit) {
    _systemBits &= ~bit;
    return *this;
}

Entity& Entity::setTag(const std::string& tag) {
    _world->getTagManager()->register_(tag, this);
    return *this;
}

const std::string& Entity::getTag() const {
    return _world->getTagManager()->getEntityTag(this);
}

void Entity::setGroup(const std::string& group) {
    _world->getGroupManager()->set(group, this);
}

void Entity::refresh() {
    _world->refreshEntity(this);
}

void Entity::reset() {
    _typeBits = 0;
    _systemBits = 0;
    while (!_components.isEmpty()) {
        const std::int32_t last = _components.getSize() - 1;
        const Ref<EntityComponent> component = _components.get(last);
        removeComponent(component);
        if (_components.getSize() - 1 == last && _components.get(last) == component) {
            _components.removeLast(); // not in the type tables; never loop on it
        }
    }
    _components.clear();
}

Entity& Entity::addComponent(const Ref<EntityComponent>& component) {
    _entityManager->addComponent(*this, component);
    return *this;
}

void Entity::removeComponent(const Ref<EntityComponent>& component) {
    if (!component) {
        return;
    }
    component->onRemove();
    _entityManager->removeComponent(*this, *component);
}

void Entity::removeComponentByType(const ComponentType* type) {
    const Ref<EntityComponent> component = getComponent(type); // keep it alive while removing
    if (component) {
        removeComponent(component);
    }
}

void Entity::removeComponentByName(std::string_view name) {
    const Ref<EntityComponent> component = getComponentByName(name, false);
    if (component) {
        removeComponent(component);
    }
}

const Ref<EntityComponent>& Entity::getComponentByName(std::string_view name, bool /*flag*/) const {
    return getComponent(ComponentTypeManager::getTypeForMetaName(name).get());
}

void Entity::dumpComponents() const {
    debugLog("Entity[" + getTag() + "]");
    debugLog("Available components:");
    for (const auto& component : _components) {
        debugLog("  - " + component->getType().getName());
    }
}

std::string Entity::ToString() const {
    return "Entity(id " + std::to_string(_id) + ", unique " + std::to_string(_uniqueId) + ")";
}

} // namespace tarvex
