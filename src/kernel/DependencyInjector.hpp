// Injection for objects that are not services (screens): their injectable fields, inherited
// ones included, are registered on a per-object wrapper and filled by the screen service.
//
//     DependencyInjector::addInjectableFields(screen);
//     for (const Type* type : DependencyInjector::getDependencies(screen))
//         DependencyInjector::inject(screen, *type, kernelInfo->getService(type));
//
// A wrapper lives exactly as long as its object: it is dropped when the object is destroyed, so
// an object made later at the same address starts with no registrations (whether or not a
// shared reference ever owned the old one, and even when it registered from its constructor).
// Main thread only.
#pragma once

#include "kernel/IInjectable.hpp"

#include <span>
#include <string_view>
#include <vector>

namespace tarvex {

class DependencyInjector {
public:
    // Registers the `injectable` fields of the target's class, then of each base class up to
    // the root; within one class in declaration order. Twice registers them twice.
    static void addInjectableFields(Object& target);
    static void _addInjectableFieldsForType(InjectableObject& wrapper, const Type& type);
    static void dependsOn(Object& target, const Type& type, std::string_view fieldName);
    static void _addInjectableField(InjectableObject& wrapper, const Type& type,
                                    const Field* field);
    [[nodiscard]] static bool hasDependencies(Object& target);
    [[nodiscard]] static const std::vector<const Type*>& getDependencies(Object& target);
    [[nodiscard]] static bool hasDependency(Object& target, const Type& type);
    static void inject(Object& target, const Type& type, const ObjectRef& value);
    // Each non-null value goes into the field mapped for its concrete class.
    static void injectAll(Object& target, std::span<const ObjectRef> values);
    // The target's wrapper, made and remembered on first use.
    static InjectableObject& _fetchObject(Object& target);
};

} // namespace tarvex
