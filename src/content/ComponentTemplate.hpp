// The values of one component inside an entity template: per field, either text or, for the
// schema's internal fields, a structured object (the nested Brix group). Building the content
// database fills the values a template leaves unset from its parent's (CopyFromTemplate) or,
// for root templates, from the schema's defaults (CopyFromSchema):
//
//     auto body = ComponentTemplate::Create(bodySchema);
//     body->_setFieldValue("speed", "3");
//     body->CopyFromSchema(bodySchema.get());   // every other field takes its default
//     body->getFieldValue("speed");             // "3"
#pragma once

#include "content/ComponentSchema.hpp"
#include "core/Object.hpp"

#include <cstdint>
#include <map>
#include <string>

namespace tarvex {

class ComponentTemplate : public Object {
    TARVEX_OBJECT(ComponentTemplate, Object)
public:
    [[nodiscard]] std::string getSchemaName() const;
    // The lower-cased schema name, under which templates hold their components.
    [[nodiscard]] std::string getSchemaIdentifier() const;
    [[nodiscard]] const Ref<ComponentSchema>& getSchema() const { return _schema; }
    // The stored object (text or structured value), or null.
    [[nodiscard]] ObjectRef getRawField(const std::string& name) const;
    // The value as text; "" when unset or structured.
    [[nodiscard]] std::string getFieldValue(const std::string& name) const;
    [[nodiscard]] bool isFieldSet(const std::string& name) const;
    // Value assignments made so far (a replaced value counts again).
    [[nodiscard]] std::int32_t countFields() const { return _fieldCount; }
    // The values in field-name order.
    [[nodiscard]] const std::map<std::string, ObjectRef>& getFieldValues() const {
        return _fieldValues;
    }

    // Sets, as text, every field `other` has and this template has not (structured values
    // arrive as ""). Nothing for null or an empty template.
    void CopyFromTemplate(const ComponentTemplate* other);
    // Sets every schema field this template has not to the field's default; 0 when the schema
    // is null or has no fields, else 1.
    std::int32_t CopyFromSchema(const ComponentSchema* schema);
    [[nodiscard]] Ref<ComponentTemplate> clone() const { return Copy(); }
    // Same schema, a copy of the values (structured values shared) and the same count.
    [[nodiscard]] Ref<ComponentTemplate> Copy() const;
    void _setFieldValue(const std::string& name, std::string text);
    void _setFieldValueObject(const std::string& name, ObjectRef value);

    // No values yet.
    [[nodiscard]] static Ref<ComponentTemplate> Create(const Ref<ComponentSchema>& schema);
    // Every field at its schema default.
    [[nodiscard]] static Ref<ComponentTemplate>
    CreateFromSchema(const Ref<ComponentSchema>& schema);

    // "ComponentTemplate[<schema>] {\n\t<name> => <value>\n...}"
    [[nodiscard]] std::string _dump() const;

private:
    std::map<std::string, ObjectRef> _fieldValues;
    std::int32_t _fieldCount = 0;
    Ref<ComponentSchema> _schema;
};

} // namespace tarvex
