#include "content/EntityFactory.hpp"

#include "core/DebugLog.hpp"
#include "core/Error.hpp"
#include "core/TypeRegistry.hpp"

#include <array>

namespace tarvex {

World*& EntityFactory::_world() {
    static World* world = nullptr;
    return world;
}

std::unordered_map<std::string, const Type*>& EntityFactory::_typesByName() {
    static std::unordered_map<std::string, const Type*> types;
    return types;
}

bool& EntityFactory::_isSetUp() {
    static bool setUp = false;
    return setUp;
}

void EntityFactory::setWorld(World* world) {
    _world() = world;
}

Ref<Entity> EntityFactory::spawnObject(const Ref<EntityTemplate>& entityTemplate,
                                       const std::string& name) {
    if (!entityTemplate) {
        return nullptr;
    }
    if (_world() == nullptr) {
        throw Error(
            "EntityFactory::spawnObject - No world set (use EntityFactory::setWorld first)");
    }
    auto entity = _world()->createEntity();
    entity->setGroup(name);
    entity->setTag(name);
    for (const auto& componentTemplate : entityTemplate->getComponentTemplates()) {
        if (auto component = _createComponent(componentTemplate)) {
            entity->addComponent(component);
        }
    }
    return entity;
}

std::vector<Ref<Entity>>
EntityFactory::spawnEntities(const std::vector<Ref<EntityTemplate>>& templates, bool refresh) {
    std::vector<Ref<Entity>> entities;
    entities.reserve(templates.size());
    for (const auto& entityTemplate : templates) {
        auto entity = spawnObject(entityTemplate,
                                  entityTemplate ? entityTemplate->getIdentifier() : std::string());
        if (entity && refresh) {
            entity->refresh();
        }
        entities.push_back(std::move(entity));
    }
    return entities;
}

Ref<EntityComponent>
EntityFactory::_createComponent(const Ref<ComponentTemplate>& componentTemplate) {
    if (!componentTemplate) {
        throw Error("Cannot create component from invalid template");
    }
    const Type* componentClass = _getTemplateTypeId(*componentTemplate);
    if (componentClass == nullptr) {
        debugLog("Component '" + componentTemplate->getSchemaName() + "' not found");
        return nullptr;
    }
    auto component = std::dynamic_pointer_cast<EntityComponent>(componentClass->create());
    if (!component) {
        debugLog("Component '" + componentTemplate->getSchemaName() + "' cannot be created (" +
                 componentClass->getName() + " makes no instances)");
        return nullptr;
    }
    const Method* initializer = componentClass->findMethod("intializeFromTemplate");
    component->beforeCreate();
    if (initializer != nullptr) {
        const std::array<ObjectRef, 1> arguments{componentTemplate};
        initializer->invoke(*component, arguments);
    } else {
        debugLog("No \"intializeFromTemplate\" method found for '" + componentClass->getName() +
                 "', falling back to reflection");
        _createComponentFromTypeId(*component, *componentClass, *componentTemplate);
    }
    component->afterCreate();
    return component;
}

void EntityFactory::_createComponentFromTypeId(EntityComponent& component,
                                               const Type& componentClass,
                                               const ComponentTemplate& componentTemplate) {
    const auto& schema = componentTemplate.getSchema();
    if (!schema) {
        return;
    }
    for (const auto& schemaField : schema->getFields()) {
        const std::string& name = schemaField->getName();
        if (name.starts_with("_") || name.starts_with("m_")) {
            continue;
        }
        const Field* field = componentClass.findField(name);
        if (field == nullptr) {
            continue;
        }
        const std::string value = componentTemplate.getFieldValue(name);
        if (schemaField->getDataType() == "bool") {
            field->writeText(component, value == "true" ? "1" : "0");
        } else {
            field->writeText(component, value);
        }
    }
    for (const auto& name : schema->getInternals()) {
        if (const Field* field = componentClass.findField(name)) {
            field->write(component, componentTemplate.getRawField(name));
        }
    }
}

const Type* EntityFactory::_getTemplateTypeId(const ComponentTemplate& componentTemplate) {
    if (!_isSetUp()) {
        _setup();
    }
    const auto found = _typesByName().find(componentTemplate.getSchemaName());
    return found == _typesByName().end() ? nullptr : found->second;
}

void EntityFactory::_setup() {
    auto& types = _typesByName();
    types.clear();
    for (const Type* type : TypeRegistry::instance().derivedFrom(EntityComponent::staticType())) {
        const std::string& name = type->getMetadata("name");
        if (!name.empty()) {
            types[name] = type;
        }
    }
    _isSetUp() = true;
}

} // namespace tarvex
