#include "core/TypeRegistry.hpp"

#include "core/Bag.hpp"
#include "core/Error.hpp"
#include "core/TextObject.hpp"

namespace tarvex {

TypeRegistry& TypeRegistry::instance() {
    static TypeRegistry registry;
    return registry;
}

void TypeRegistry::add(const Type& type) {
    if (_byName.contains(type.getName())) {
        return;
    }
    if (type.getBase() != nullptr) {
        add(*type.getBase());
    }
    _types.push_back(&type);
    _byName.emplace(type.getName(), &type);
}

const Type* TypeRegistry::findByName(std::string_view name) const {
    const auto found = _byName.find(name);
    return found == _byName.end() ? nullptr : found->second;
}

std::vector<const Type*> TypeRegistry::derivedFrom(const Type& base) const {
    std::vector<const Type*> result;
    for (const Type* type : _types) {
        if (type->derivesFrom(base)) {
            result.push_back(type);
        }
    }
    return result;
}

void registerCoreTypes() {
    TypeRegistry::instance().add<Object, ObjectBag, ObjectBagEnum, TextObject>();
}

} // namespace tarvex
