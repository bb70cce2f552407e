#include "kernel/DependencyInjector.hpp"

#include <unordered_map>

namespace tarvex {
namespace {

using WrapperMap = std::unordered_map<const Object*, Ref<InjectableObject>>;

WrapperMap& wrappers() {
    static WrapperMap map;
    return map;
}

// Runs when an object that has a wrapper dies: the next object at its address starts afresh.
void forgetWrapper(const Object* object) {
    wrappers().erase(object);
}

} // namespace

InjectableObject& DependencyInjector::_fetchObject(Object& target) {
    static const bool registered = (Object::addAddressRegistry(&forgetWrapper), true);
    (void)registered;
    auto& slot = wrappers()[&target];
    if (!slot) {
        slot = InjectableObject::Create(&target);
        target.keptByAddress();
    }
    return *slot;
}

void DependencyInjector::addInjectableFields(Object& target) {
    InjectableObject& wrapper = _fetchObject(target);
    for (const Type* type = &target.getType(); type != nullptr; type = type->getBase()) {
        _addInjectableFieldsForType(wrapper, *type);
    }
}

void DependencyInjector::_addInjectableFieldsForType(InjectableObject& wrapper, const Type& type) {
    for (const Field& field : type.getOwnFields()) {
        if (!field.getMetadata("injectable").empty()) {
            _addInjectableField(wrapper, field.getDeclaredType(), &field);
        }
    }
}

void DependencyInjector::dependsOn(Object& target, const Type& type, std::string_view fieldName) {
    _fetchObject(target)._dependsOn(type, fieldName);
}

void DependencyInjector::_addInjectableField(InjectableObject& wrapper, const Type& type,
                                             const Field* field) {
    wrapper._addInjectableField(type, field);
}

bool DependencyInjector::hasDependencies(Object& target) {
    return _fetchObject(target).hasDependencies();
}

const std::vector<const Type*>& DependencyInjector::getDependencies(Object& target) {
    return _fetchObject(target).getDependencies();
}

bool DependencyInjector::hasDependency(Object& target, const Type& type) {
    return _fetchObject(target).hasDependency(type);
}

void DependencyInjector::inject(Object& target, const Type& type, const ObjectRef& value) {
    _fetchObject(target).inject(type, value);
}

void DependencyInjector::injectAll(Object& target, std::span<const ObjectRef> values) {
    InjectableObject& wrapper = _fetchObject(target);
    for (const ObjectRef& value : values) {
        if (value) {
            wrapper.inject(value->getType(), value);
        }
    }
    wrapper._setInjected();
}

} // namespace tarvex
