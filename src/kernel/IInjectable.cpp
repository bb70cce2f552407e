#include "kernel/IInjectable.hpp"

#include "core/TypeBuilder.hpp"

#include <algorithm>

namespace tarvex {

const Type& IInjectable::staticType() {
    static const Type& type = TypeBuilder<IInjectable>("IInjectable").build();
    return type;
}

const Type& InjectableObject::staticType() {
    static const Type& type = TypeBuilder<InjectableObject>("InjectableObject")
                                  .field("_injected", &InjectableObject::_injected)
                                  .build();
    return type;
}

void IInjectable::_dependsOn(const Type& type, std::string_view fieldName) {
    _addInjectableField(type, _iiinjectable_object->getType().findOwnField(fieldName));
}

void IInjectable::_addInjectableField(const Type& type, const Field* field) {
    _iinjectable_dependencies.push_back(&type);
    _iinjectable_dependencyMap[&type] = field;
}

bool IInjectable::hasDependency(const Type& type) const {
    return std::find(_iinjectable_dependencies.begin(), _iinjectable_dependencies.end(), &type) !=
           _iinjectable_dependencies.end();
}

void IInjectable::inject(const Type& type, const ObjectRef& value) {
    const auto found = _iinjectable_dependencyMap.find(&type);
    if (found != _iinjectable_dependencyMap.end() && found->second != nullptr) {
        found->second->write(*_iiinjectable_object, value);
    }
}

void IInjectable::_addInjectableFields() {
    for (const Field& field : _iiinjectable_object->getType().getOwnFields()) {
        if (!field.getMetadata("injectable").empty()) {
            _addInjectableField(field.getDeclaredType(), &field);
        }
    }
}

Ref<InjectableObject> InjectableObject::Create(Object* target) {
    auto wrapper = std::make_shared<InjectableObject>();
    wrapper->_setInjectionTarget(target);
    return wrapper;
}

Ref<InjectableObject> InjectableObject::Create(const ObjectRef& target) {
    return Create(target.get());
}

} // namespace tarvex
