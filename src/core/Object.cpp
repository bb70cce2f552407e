#include "core/Object.hpp"

#include "core/TypeBuilder.hpp"

#include <functional>

namespace tarvex {

const Type& Object::staticType() {
    static const Type& type = TypeBuilder<Object>("Object").build();
    return type;
}

bool Object::isInstanceOf(const Type& type) const {
    return getType().derivesFrom(type);
}

int Object::Compare(const Object& other) const {
    if (this == &other) {
        return 0;
    }
    return std::less<const Object*>()(this, &other) ? -1 : 1;
}

std::string Object::ToString() const {
    return "<" + getType().getName() + ">";
}

} // namespace tarvex
