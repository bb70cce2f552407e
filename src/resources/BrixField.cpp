#include "resources/BrixField.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex {

const Type& BrixField::staticType() {
    static const Type& type = TypeBuilder<BrixField>("BrixField")
                                  .field("Name", &BrixField::Name)
                                  .field("Value", &BrixField::Value)
                                  .field("m_ArrayValues", &BrixField::m_ArrayValues)
                                  .field("isArray", &BrixField::isArray)
                                  .build();
    return type;
}

Ref<BrixField> BrixField::Create(const std::string& name, ObjectRef value, bool isArray) {
    auto field = std::make_shared<BrixField>();
    field->Name = name;
    if (isArray) {
        field->addToArray(std::move(value));
    } else {
        field->Value = std::move(value);
    }
    return field;
}

void BrixField::addToArray(ObjectRef value) {
    if (!m_ArrayValues) {
        m_ArrayValues = std::make_shared<ObjectBag>();
    }
    isArray = 1;
    m_ArrayValues->add(std::move(value));
}

ObjectRef BrixField::getValue(std::int32_t offset) const {
    if (isArray == 0 || !m_ArrayValues) {
        return Value;
    }
    if (offset < 0) {
        return m_ArrayValues;
    }
    return m_ArrayValues->get(offset); // null at or beyond the end
}

} // namespace tarvex
