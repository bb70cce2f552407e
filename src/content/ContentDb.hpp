// The content database: component schemas and entity templates, so that entities can be
// described as data instead of code. Schemas come from schema files, templates from template
// files found in directories, single files or zip archives; building the database completes
// every template from its parent (depth first) and the root templates from the schema
// defaults. EntityFactory then turns templates into entities.
//
//     auto db = ContentDb::Create();
//     db->addComponentsFile("content/components.brix");
//     db->addTemplateDirectory("content/templates");
//     db->loadComponentsFiles();   // schemas first: templates naming unknown schemas lose them
//     db->loadTemplates();
//     db->buildTemplates();
//     db->getTemplateString("Submarine.body.speed");
//
// Every name lookup is case-insensitive.
#pragma once

#include "content/ComponentSchema.hpp"
#include "content/ComponentTemplate.hpp"
#include "content/EntityTemplate.hpp"
#include "core/Object.hpp"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tarvex {

class ContentDb : public Object {
    TARVEX_OBJECT(ContentDb, Object)
public:
    // A directory, a single template file or an archive ("zip::archive://prefix" names a part
    // of one); all are read by loadTemplates().
    ContentDb& addTemplateDirectory(const std::string& path);
    ContentDb& addTemplateArchive(const std::string& path);
    // "Template.component.field": the field's text. Raises "Could not find ObjectTemplate:
    // <name>" for an unknown template and the component error of EntityTemplate.
    [[nodiscard]] std::string getTemplateString(const std::string& path) const;
    [[nodiscard]] std::int32_t countObjectTemplates() const {
        return static_cast<std::int32_t>(_objectTemplateList.size());
    }
    [[nodiscard]] Ref<ComponentSchema> getComponentSchema(const std::string& name) const;
    // "" answers null.
    [[nodiscard]] Ref<EntityTemplate> getObjectTemplate(const std::string& name) const;
    // The names of the templates, in registration order.
    [[nodiscard]] std::vector<std::string> getObjectTemplateList() const;
    // The names of the schemas, in registration order.
    [[nodiscard]] std::vector<std::string> getComponentSchemaList() const;
    [[nodiscard]] std::vector<Ref<EntityTemplate>>
    getTemplatesWithComponent(const std::string& schemaName) const;

    // Completes every template: roots from their schemas' defaults, then each template from its
    // parent once the parent is complete, depth first in registration order. A template whose
    // parent is not registered cannot be completed; it is reported to the debug log by name.
    void buildTemplates();
    // Completes the templates below `parentName` ("" for the roots), each at most once.
    void buildChildTemplates(const std::string& parentName);
    // The older walk over a snapshot of the list; completes the same templates.
    void LEGACY_buildChildTemplates(const std::string& parentName);
    void buildTemplateFromSchema(EntityTemplate& entityTemplate);
    void buildTemplateFromParent(EntityTemplate& entityTemplate, const EntityTemplate& parent);

    // 0 for null, else 1.
    std::int32_t registerGameObjectTemplate(const Ref<EntityTemplate>& entityTemplate);
    std::int32_t registerComponentSchema(const Ref<ComponentSchema>& schema);
    // Component templates belong to entity templates: raises "Whoops!".
    std::int32_t registerComponentTemplate(const Ref<ComponentTemplate>& component);

    // The path must name a file or contain "::", else raises
    // "Attempted to add invalid file '<path>'".
    void addComponentsFile(const std::string& path);
    void loadTemplates();
    void _loadTemplatesFromDirectory(const std::string& directory);
    void _loadTemplateFromFile(const std::string& path);
    void _loadTemplateFromArchive(const std::string& path);
    // Raises "Could not find ComponentSerializer from '<path>'" for a file no schema reader
    // takes.
    void loadComponentsFiles();
    // Schemas are only ever read from files.
    void autobuildComponentSchemas() {}
    void _addComponentSchema(const Ref<ComponentSchema>& schema);
    [[nodiscard]] std::int32_t _countComponents() const {
        return static_cast<std::int32_t>(_componentSchemaList.size());
    }
    // Writes each template's dump to "<template name>_dump.txt" in the working directory.
    void _dumpAll(bool flag) const;

    [[nodiscard]] static Ref<ContentDb> Create();

    [[nodiscard]] const std::vector<Ref<EntityTemplate>>& getObjectTemplates() const {
        return _objectTemplateList;
    }

private:
    // Directories nest at most this deep below a template directory, so that a link cycle
    // cannot recurse forever.
    static constexpr std::int32_t MAX_DIRECTORY_DEPTH = 32;

    void _walkDirectory(const std::string& directory, std::int32_t depth);

    std::map<std::string, Ref<EntityTemplate>> _objectTemplates;
    std::map<std::string, Ref<ComponentSchema>> _componentSchemas;
    std::vector<Ref<EntityTemplate>> _objectTemplateList;
    std::vector<Ref<ComponentSchema>> _componentSchemaList;
    std::vector<std::string> _componentFiles;
    std::vector<std::string> _templateDirectories;
};

} // namespace tarvex
