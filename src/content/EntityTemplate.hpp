// A named recipe for an entity: one ComponentTemplate per component kind, an optional parent
// template whose values fill the ones left unset here, a category and documentation. Templates
// are read from template files into a ContentDb, completed by ContentDb::buildTemplates() and
// turned into entities by EntityFactory:
//
//     auto mine = EntityTemplate::Create("Mine", "A floating mine", "Hazard");
//     mine->addComponentTemplate(ComponentTemplate::Create(bodySchema));
//     mine->getTemplateString("body.speed");
//
// Component lookups are case-insensitive.
#pragma once

#include "content/ComponentTemplate.hpp"
#include "core/Object.hpp"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tarvex {

class EntityTemplate : public Object {
    TARVEX_OBJECT(EntityTemplate, Object)
public:
    // Same name, description, parent and category, the tags, and a clone of every component.
    [[nodiscard]] Ref<EntityTemplate> clone() const;
    [[nodiscard]] const std::string& getName() const { return _name; }
    // The lower-cased name.
    [[nodiscard]] std::string getIdentifier() const;
    [[nodiscard]] const std::string& getDescription() const { return _description; }
    // The parent template's name; "" for a root template.
    [[nodiscard]] const std::string& getParentTemplate() const { return _inherits; }
    [[nodiscard]] const std::string& getCategory() const { return _category; }
    // Case-insensitive comparison with the parent's name ("" asks whether this is a root).
    [[nodiscard]] bool inherits(const std::string& name) const;
    void setCategory(std::string category) { _category = std::move(category); }
    [[nodiscard]] bool hasComponentTemplate(const std::string& name) const;
    [[nodiscard]] std::int32_t countComponents() const {
        return static_cast<std::int32_t>(_componentTemplatesList.size());
    }
    // In the order added.
    [[nodiscard]] const std::vector<Ref<ComponentTemplate>>& getComponentTemplates() const {
        return _componentTemplatesList;
    }
    // Case-insensitive; "" or an unknown name answers null.
    [[nodiscard]] Ref<ComponentTemplate> getComponentTemplate(const std::string& name) const;
    // "component.field": the field's text. Raises "Could not find ComponentTemplate \"<name>\""
    // for an unknown component.
    [[nodiscard]] std::string getTemplateString(const std::string& path) const;
    // Enters it under its schema identifier (replacing one of the same schema in the lookup)
    // and appends it to the list.
    void addComponentTemplate(const Ref<ComponentTemplate>& componentTemplate);

    [[nodiscard]] static Ref<EntityTemplate> Create(std::string name, std::string description,
                                                    std::string parentName);

    // Every component template's dump, one after another.
    [[nodiscard]] std::string _dumpText() const;
    // Writes _dumpText() to a file; false when it cannot be written.
    bool _dump(const std::string& fileName) const;

    [[nodiscard]] const std::vector<std::string>& getTags() const { return _tags; }
    void _addTag(std::string tag) { _tags.push_back(std::move(tag)); }
    // Used by the readers of entity groups, which copy a parent under a new name.
    void _setName(std::string name) { _name = std::move(name); }
    void _setParentTemplate(std::string parentName) { _inherits = std::move(parentName); }

private:
    std::string _name;
    std::string _description;
    std::string _inherits;
    std::string _category;
    std::vector<std::string> _tags;
    std::map<std::string, Ref<ComponentTemplate>> _componentTemplates;
    std::vector<Ref<ComponentTemplate>> _componentTemplatesList;
};

} // namespace tarvex
