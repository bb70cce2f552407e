#include "core/TextObject.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex {

const Type& TextObject::staticType() {
    static const Type& type =
        TypeBuilder<TextObject>("TextObject").field("value", &TextObject::value).build();
    return type;
}

} // namespace tarvex
