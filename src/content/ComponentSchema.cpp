#include "content/ComponentSchema.hpp"

#include "content/ContentNames.hpp"
#include "core/Error.hpp"
#include "core/TypeBuilder.hpp"

#include <algorithm>

namespace tarvex {

const Type& ComponentSchema::staticType() {
    static const Type& type = TypeBuilder<ComponentSchema>("ComponentSchema")
                                  .field("_name", &ComponentSchema::_name)
                                  .field("_description", &ComponentSchema::_description)
                                  .field("_sourceFile", &ComponentSchema::_sourceFile)
                                  .field("_isInternal", &ComponentSchema::_isInternal)
                                  .field("_requires", &ComponentSchema::_requires)
                                  .field("_internals", &ComponentSchema::_internals)
                                  .field("_fields", &ComponentSchema::_fields)
                                  .field("_fieldsList", &ComponentSchema::_fieldsList)
                                  .build();
    return type;
}

Ref<ComponentSchema> ComponentSchema::Create(std::string name, std::string description) {
    auto schema = std::make_shared<ComponentSchema>();
    schema->_name = std::move(name);
    schema->_description = std::move(description);
    return schema;
}

void ComponentSchema::addField(const Ref<ComponentField>& field) {
    if (!field) {
        return;
    }
    _fieldsList.push_back(field);
    _fields[lowerCase(field->getName())] = field;
}

bool ComponentSchema::hasProperty(const std::string& name) const {
    return _fields.contains(lowerCase(name));
}

Ref<ComponentField> ComponentSchema::getField(const std::string& name) const {
    const auto found = _fields.find(name);
    return found == _fields.end() ? nullptr : found->second;
}

const std::string& ComponentSchema::getFieldType(const std::string& name) const {
    const auto found = _fields.find(name);
    if (found == _fields.end()) {
        throw Error("Field \"" + name + "\" not found");
    }
    return found->second->getDataType();
}

bool ComponentSchema::hasRequirement(const std::string& name) const {
    return std::find(_requires.begin(), _requires.end(), lowerCase(name)) != _requires.end();
}

void ComponentSchema::_addRequirement(const std::string& name) {
    if (!hasRequirement(name)) {
        _requires.push_back(lowerCase(name));
    }
}

void ComponentSchema::_addInternal(const std::string& name) {
    _internals.push_back(name);
}

bool ComponentSchema::_hasInternal(const std::string& name) const {
    return std::find(_internals.begin(), _internals.end(), name) != _internals.end();
}

std::string ComponentSchema::_dump() const {
    std::string text = "Internals { ";
    for (const auto& name : _internals) {
        text += "\t" + name + ", ";
    }
    return text + "}";
}

} // namespace tarvex
