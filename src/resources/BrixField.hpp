// One named field of a Brix group: either a single value or, once an element has been added
// with addToArray, an ordered array of values. Parsed values are TextObjects; the value is only
// converted to a number or a flag when someone asks for one.
//
//     auto field = BrixField::Create("frames", TextObject::Create("0"), true);
//     field->addToArray(TextObject::Create("1"));
//     field->getValue(1);   // "1"
//     field->getValue(-1);  // the whole ObjectBag of elements
#pragma once

#include "core/Bag.hpp"
#include "core/Object.hpp"

#include <cstdint>
#include <string>

namespace tarvex {

class BrixField : public Object {
    TARVEX_OBJECT(BrixField, Object)
public:
    [[nodiscard]] static Ref<BrixField> Create(const std::string& name, ObjectRef value,
                                               bool isArray);

    // Turns the field into an array (keeping earlier elements) and appends `value`.
    void addToArray(ObjectRef value);

    // A single-valued field answers its value whatever the offset. An array answers the whole
    // element list for a negative offset, null beyond its end, else the element at the offset.
    [[nodiscard]] ObjectRef getValue(std::int32_t offset) const;

    std::string Name;
    ObjectRef Value;
    Ref<ObjectBag> m_ArrayValues;
    std::int32_t isArray = 0;
};

} // namespace tarvex
