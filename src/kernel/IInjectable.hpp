// Field injection. An injectable object keeps the list of service types it depends on and, per
// type, the field that receives the service. Services register the fields of their class that
// carry `injectable` metadata (their own fields, at construction); the kernel then fills them
// when the service is added. A type with no service registered injects null.
#pragma once

#include "core/Object.hpp"
#include "core/Type.hpp"

#include <map>
#include <string_view>
#include <vector>

namespace tarvex {

class IInjectable : public Object {
    TARVEX_OBJECT(IInjectable, Object)
public:
    IInjectable() = default;

    // Declares a dependency without metadata: the field named `fieldName` of the object's
    // concrete class receives services of `type` (a missing field makes injection a no-op).
    void _dependsOn(const Type& type, std::string_view fieldName);
    void _addInjectableField(const Type& type, const Field* field);
    [[nodiscard]] bool hasDependencies() const { return !_iinjectable_dependencies.empty(); }
    // In registration order, duplicates possible.
    [[nodiscard]] const std::vector<const Type*>& getDependencies() const {
        return _iinjectable_dependencies;
    }
    [[nodiscard]] bool hasDependency(const Type& type) const;
    // Writes `value` into the field mapped for `type`; nothing when none is mapped.
    void inject(const Type& type, const ObjectRef& value);
    // Registers the `injectable` fields declared by the concrete class itself, in order.
    void _addInjectableFields();

protected:
    // The object whose fields are written: this object, or the wrapped one.
    void _setInjectionTarget(Object* target) { _iiinjectable_object = target; }
    [[nodiscard]] Object* _injectionTarget() { return _iiinjectable_object; }

private:
    Object* _iiinjectable_object = this;
    std::vector<const Type*> _iinjectable_dependencies;
    std::map<const Type*, const Field*> _iinjectable_dependencyMap; // one field per type
};

// Wraps an arbitrary object (a screen, say) so that it can be injected like a service.
class InjectableObject : public IInjectable {
    TARVEX_OBJECT(InjectableObject, IInjectable)
public:
    InjectableObject() = default;
    [[nodiscard]] static Ref<InjectableObject> Create(const ObjectRef& target);
    [[nodiscard]] static Ref<InjectableObject> Create(Object* target);

    [[nodiscard]] bool isInjected() const { return _injected; }
    void _setInjected() { _injected = true; }

private:
    bool _injected = false;
};

} // namespace tarvex
