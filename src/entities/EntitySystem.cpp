#include "entities/EntitySystem.hpp"

#include "core/Error.hpp"
#include "core/TypeBuilder.hpp"
#include "core/TypeRegistry.hpp"
#include "entities/ComponentTypeManager.hpp"
#include "entities/EntityComponent.hpp"
#include "entities/World.hpp"

#include <algorithm>

namespace tarvex {

const Type& EntitySystem::staticType() {
    static const Type& type = TypeBuilder<EntitySystem>("EntitySystem")
                                  .field("_isEnabled", &EntitySystem::_isEnabled)
                                  .field("_systemBit", &EntitySystem::_systemBit)
                                  .field("_typeFlags", &EntitySystem::_typeFlags)
                                  .field("_world", &EntitySystem::_world)
                                  .field("_actives", &EntitySystem::_actives)
                                  .build();
    return type;
}

void EntitySystem::enableSystem() {
    _isEnabled = true;
    onEnabled();
}

void EntitySystem::disableSystem() {
    _isEnabled = false;
    onDisabled();
}

EntityManager* EntitySystem::getEntityManager() const {
    return _world == nullptr ? nullptr : _world->getEntityManager();
}

void EntitySystem::process() {
    if (_isEnabled && checkProcessing()) {
        beforeProcessEntities();
        processEntities(_actives);
        afterProcessEntities();
    }
}

void EntitySystem::initialize() {
    _autoInjectComponentLookups();
}

void EntitySystem::change(Entity& entity) {
    if (entity.getId() < 0) {
        return; // not made by a world; never listed
    }
    const bool contains = (_systemBit & entity.getSystemBits()) == _systemBit;
    const bool interest = (_typeFlags & entity.getTypeBits()) == _typeFlags;
    if (interest && !contains && _typeFlags > 0) {
        const auto id = static_cast<std::size_t>(entity.getId());
        if (_activePosition.size() <= id) {
            _activePosition.resize(id + 1, -1);
        }
        _activePosition[id] = _actives.getSize();
        _actives.add(refOf(&entity));
        entity.addSystemBit(_systemBit);
        added(entity);
    } else if (!interest && contains && _typeFlags > 0) {
        remove(entity);
    }
}

void EntitySystem::remove(Entity& entity) {
    const auto id = static_cast<std::size_t>(entity.getId());
    if (id < _activePosition.size() && _activePosition[id] >= 0) {
        const std::int32_t position = _activePosition[id];
        if (_actives.get(position).get() == &entity) {
            _actives.remove(position); // the last entity moves into the gap
            if (const auto& moved = _actives.get(position)) {
                _activePosition[static_cast<std::size_t>(moved->getId())] = position;
            }
            _activePosition[id] = -1;
        }
    }
    entity.removeSystemBit(_systemBit);
    removed(entity);
}

void EntitySystem::registerComponentByName(std::string_view className) {
    registerComponent(TypeRegistry::instance().findByName(className));
}

void EntitySystem::registerComponents(std::span<const Type* const> componentClasses) {
    for (const Type* componentClass : componentClasses) {
        if (componentClass != nullptr) {
            registerComponent(componentClass);
        }
    }
}

void EntitySystem::registerComponent(const Type* componentClass) {
    if (componentClass != nullptr) {
        _typeFlags |= ComponentTypeManager::getBit(componentClass);
    }
}

const Type* EntitySystem::_componentClassNamed(std::string_view className,
                                               const std::string& where) const {
    return checkComponentClassName(getType(), className, where);
}

const Type* EntitySystem::checkComponentClassName(const Type& systemClass,
                                                  std::string_view className,
                                                  const std::string& where) {
    const Type* componentClass = TypeRegistry::instance().findByName(className);
    // A class left out of its module's register...Types() would otherwise leave the system
    // silently without entities.
    if (componentClass == nullptr || !componentClass->derivesFrom(EntityComponent::staticType())) {
        throw Error("Entity system " + systemClass.getName() + ": " + where + " names " +
                    std::string(className) + ", which is not a registered component class");
    }
    return componentClass;
}

namespace {

// Calls `use` with each comma-separated name of `names`, trimmed of control characters and
// blanks (codes below 33) at both ends; empty pieces are skipped.
template <class Use> void forEachName(std::string_view names, Use&& use) {
    while (!names.empty()) {
        const std::size_t comma = std::min(names.find(','), names.size());
        std::string_view name = names.substr(0, comma);
        names.remove_prefix(std::min(comma + 1, names.size()));
        while (!name.empty() && static_cast<unsigned char>(name.front()) < 33) {
            name.remove_prefix(1);
        }
        while (!name.empty() && static_cast<unsigned char>(name.back()) < 33) {
            name.remove_suffix(1);
        }
        if (!name.empty()) {
            use(name);
        }
    }
}

} // namespace

void EntitySystem::checkComponentMetadata(const Type& systemClass) {
    forEachName(systemClass.getMetadata("component_types"), [&systemClass](std::string_view name) {
        (void)checkComponentClassName(systemClass, name, "component_types");
    });
    for (const Field& field : systemClass.getOwnFields()) {
        const std::string& className = field.getMetadata("component_type");
        if (!className.empty()) {
            (void)checkComponentClassName(systemClass, className,
                                          "component_type of " + field.getName());
        }
    }
}

void EntitySystem::_autoRegisterComponentTypes() {
    if (_typeFlags != 0) {
        return;
    }
    forEachName(getType().getMetadata("component_types"), [this](std::string_view name) {
        registerComponent(_componentClassNamed(name, "component_types"));
    });
}

void EntitySystem::_autoInjectComponentLookups() {
    for (const Field& field : getType().getOwnFields()) {
        const std::string& className = field.getMetadata("component_type");
        if (!className.empty()) {
            const Type* componentClass =
                _componentClassNamed(className, "component_type of " + field.getName());
            field.write(*this, ComponentTypeManager::getTypeFor(componentClass));
        }
    }
}

void EntitySystem::_releaseEntities() {
    for (const auto& entity : _actives) {
        entity->removeSystemBit(_systemBit);
        _activePosition[static_cast<std::size_t>(entity->getId())] = -1;
    }
    _actives.clear();
}

} // namespace tarvex
