#include "content/ComponentTemplate.hpp"

#include "content/ContentNames.hpp"
#include "core/TextObject.hpp"
#include "core/TypeBuilder.hpp"

namespace tarvex {

const Type& ComponentTemplate::staticType() {
    static const Type& type = TypeBuilder<ComponentTemplate>("ComponentTemplate")
                                  .field("_fieldValues", &ComponentTemplate::_fieldValues)
                                  .field("_fieldCount", &ComponentTemplate::_fieldCount)
                                  .field("_schema", &ComponentTemplate::_schema)
                                  .build();
    return type;
}

std::string ComponentTemplate::getSchemaName() const {
    return _schema ? _schema->getName() : std::string();
}

std::string ComponentTemplate::getSchemaIdentifier() const {
    return lowerCase(getSchemaName());
}

ObjectRef ComponentTemplate::getRawField(const std::string& name) const {
    const auto found = _fieldValues.find(name);
    return found == _fieldValues.end() ? nullptr : found->second;
}

std::string ComponentTemplate::getFieldValue(const std::string& name) const {
    const auto found = _fieldValues.find(name);
    if (found == _fieldValues.end()) {
        return {};
    }
    const auto* text = dynamic_cast<const TextObject*>(found->second.get());
    return text != nullptr ? text->value : std::string();
}

bool ComponentTemplate::isFieldSet(const std::string& name) const {
    return _fieldValues.contains(name);
}

void ComponentTemplate::CopyFromTemplate(const ComponentTemplate* other) {
    if (other == nullptr || other->countFields() == 0) {
        return;
    }
    for (const auto& [name, value] : other->_fieldValues) {
        if (!isFieldSet(name)) {
            _setFieldValue(name, other->getFieldValue(name));
        }
    }
}

std::int32_t ComponentTemplate::CopyFromSchema(const ComponentSchema* schema) {
    if (schema == nullptr || schema->countFields() == 0) {
        return 0;
    }
    for (const auto& field : schema->getFields()) {
        if (!isFieldSet(field->getName())) {
            _setFieldValue(field->getName(), field->getDefaultValue());
        }
    }
    return 1;
}

Ref<ComponentTemplate> ComponentTemplate::Copy() const {
    auto copy = Create(_schema);
    copy->_fieldValues = _fieldValues;
    copy->_fieldCount = _fieldCount;
    return copy;
}

void ComponentTemplate::_setFieldValue(const std::string& name, std::string text) {
    _setFieldValueObject(name, TextObject::Create(std::move(text)));
}

void ComponentTemplate::_setFieldValueObject(const std::string& name, ObjectRef value) {
    _fieldValues[name] = std::move(value);
    ++_fieldCount;
}

Ref<ComponentTemplate> ComponentTemplate::Create(const Ref<ComponentSchema>& schema) {
    auto created = std::make_shared<ComponentTemplate>();
    created->_schema = schema;
    return created;
}

Ref<ComponentTemplate> ComponentTemplate::CreateFromSchema(const Ref<ComponentSchema>& schema) {
    auto created = Create(schema);
    created->CopyFromSchema(schema.get());
    return created;
}

std::string ComponentTemplate::_dump() const {
    std::string text = "ComponentTemplate[" + getSchemaName() + "] {\n";
    for (const auto& [name, value] : _fieldValues) {
        text += "\t" + name + " => " + (value ? value->ToString() : std::string()) + "\n";
    }
    return text + "}";
}

} // namespace tarvex
