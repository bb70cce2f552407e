// The description of one component kind in the content database: its name (the meta name of
// the component class, such as "body"), documentation, the kinds it requires, its fields with
// types and default values, and the "internal" fields whose template values are nested groups
// rather than text. Schemas are read from schema files (BrixComponentSchemaSerializer) or built
// in code:
//
//     auto body = ComponentSchema::Create("body", "Position and motion");
//     body->addField(speedField);
//     body->_addRequirement("sprite");
//
// Field names are looked up lower-cased (getField expects the caller to lower-case).
#pragma once

#include "content/ComponentField.hpp"
#include "core/Object.hpp"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tarvex {

class ComponentSchema : public Object {
    TARVEX_OBJECT(ComponentSchema, Object)
public:
    [[nodiscard]] static Ref<ComponentSchema> Create(std::string name, std::string description);

    // Appends the field and enters it under its lower-cased name; a second field of the same
    // name replaces the lookup entry, both stay in the list. Null is ignored.
    void addField(const Ref<ComponentField>& field);
    // Case-insensitive.
    [[nodiscard]] bool hasProperty(const std::string& name) const;
    // Exact lookup of a lower-cased name; null when absent.
    [[nodiscard]] Ref<ComponentField> getField(const std::string& name) const;
    // Raises "Field \"<name>\" not found" when the schema has no such field.
    [[nodiscard]] const std::string& getFieldType(const std::string& name) const;
    // The fields in the order they were added.
    [[nodiscard]] const std::vector<Ref<ComponentField>>& getFields() const { return _fieldsList; }
    [[nodiscard]] std::int32_t countFields() const {
        return static_cast<std::int32_t>(_fieldsList.size());
    }
    [[nodiscard]] const std::vector<std::string>& getInternals() const { return _internals; }
    [[nodiscard]] const std::vector<std::string>& getRequirements() const { return _requires; }
    // Case-insensitive.
    [[nodiscard]] bool hasRequirement(const std::string& name) const;
    // Stored lower-cased, once.
    void _addRequirement(const std::string& name);
    // Stored as given.
    void _addInternal(const std::string& name);
    // Exact comparison.
    [[nodiscard]] bool _hasInternal(const std::string& name) const;
    [[nodiscard]] const std::string& getName() const { return _name; }
    [[nodiscard]] const std::string& getDescription() const { return _description; }
    // "Internals { \tname, ...}"
    [[nodiscard]] std::string _dump() const;

private:
    std::string _name;
    std::string _description;
    std::string _sourceFile;
    std::int32_t _isInternal = 0;
    std::vector<std::string> _requires;
    std::vector<std::string> _internals;
    std::map<std::string, Ref<ComponentField>> _fields;
    std::vector<Ref<ComponentField>> _fieldsList;
};

} // namespace tarvex
