// Turns entity templates into entities of a world. Each component template becomes an object
// of the component class whose `name` metadata equals the schema name. A class that registers
// a method "intializeFromTemplate" (taking the ComponentTemplate) fills itself; any other has
// its fields set by name from the template's text, converted to each field's type (fields whose
// names start with "_" or "m_" are private and never set; schema fields of type "bool" set 1
// for the text "true", else 0):
//
//     EntityFactory::setWorld(&world);
//     auto sub = EntityFactory::spawnObject(db->getObjectTemplate("Submarine"), "enemy");
//     sub->refresh();
//
// A schema no component class answers to is reported to the debug log by name and that
// component is left out.
#pragma once

#include "content/ComponentTemplate.hpp"
#include "content/EntityTemplate.hpp"
#include "entities/Entity.hpp"
#include "entities/EntityComponent.hpp"
#include "entities/World.hpp"

#include <string>
#include <unordered_map>
#include <vector>

namespace tarvex {

class EntityFactory {
public:
    // The world later spawns create their entities in (not owned).
    static void setWorld(World* world);
    // An entity holding one component per component template, in template order, with `name`
    // as both its group and its tag; not refreshed. Null for a null template; raises
    // "EntityFactory::spawnObject - No world set (use EntityFactory::setWorld first)" without
    // a world.
    static Ref<Entity> spawnObject(const Ref<EntityTemplate>& entityTemplate,
                                   const std::string& name);
    // One entity per template, named by the template's identifier, refreshed when asked.
    static std::vector<Ref<Entity>> spawnEntities(const std::vector<Ref<EntityTemplate>>& templates,
                                                  bool refresh);
    // Raises "Cannot create component from invalid template" for null; null when no component
    // class answers to the schema name.
    static Ref<EntityComponent> _createComponent(const Ref<ComponentTemplate>& componentTemplate);
    static void _createComponentFromTypeId(EntityComponent& component, const Type& componentClass,
                                           const ComponentTemplate& componentTemplate);
    // The component class whose `name` metadata equals the schema name exactly, or null.
    [[nodiscard]] static const Type* _getTemplateTypeId(const ComponentTemplate& componentTemplate);
    // Rebuilds the map of component classes by meta name from the type registry (done on first
    // use; call again after registering further component classes).
    static void _setup();

private:
    static World*& _world();
    static std::unordered_map<std::string, const Type*>& _typesByName();
    static bool& _isSetUp();
};

} // namespace tarvex
