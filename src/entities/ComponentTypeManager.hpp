// Hands out the ComponentType of each component class, on first request, and finds component
// classes by class name ("BodyComponent") or by meta name ("body", the class's `name`
// metadata). The registry is class-wide and shared by every world for the life of the program,
// so ids depend only on the order in which component classes are first used:
//
//     const auto& body = ComponentTypeManager::getTypeFor<BodyComponent>();
//     entity.hasComponent(body.get());
//
// The per-class lookup is a scan over at most 63 entries (no hashing), so attaching a
// component stays cheap; meta names are for set-up code, not for the frame path.
#pragma once

#include "entities/ComponentType.hpp"

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex {

class Type;

class ComponentTypeManager {
public:
    using MetaNameMap = std::map<std::string, const Type*, std::less<>>;

    // The type record's ComponentType, created on first request. A null class raises
    // "Cannot get ComponentType for Null TTypeId".
    static const Ref<ComponentType>& getTypeFor(const Type* componentClass);
    template <class T> static const Ref<ComponentType>& getTypeFor() {
        static const Ref<ComponentType>& type = getTypeFor(&T::staticType());
        return type;
    }
    // By class name, e.g. "BodyComponent"; an unknown name raises as a null class does.
    static const Ref<ComponentType>& getTypeForName(std::string_view className);
    // By meta name, e.g. "body"; an unknown name is logged and then raises as a null class.
    static const Ref<ComponentType>& getTypeForMetaName(std::string_view name);

    [[nodiscard]] static std::int64_t getBit(const Type* componentClass);
    [[nodiscard]] static std::int32_t getId(const Type* componentClass);

    // The component class carrying that meta name, or null (after a debug-log line). The map
    // holds every registered class derived from EntityComponent; classes registered after an
    // earlier lookup join it at the next one.
    [[nodiscard]] static const Type* _getTypeForMeta(std::string_view name);

    // Builds a meta-name map from the given component classes, in order; a later class with
    // the same name replaces an earlier one. A class without `name` metadata raises
    // "Type <class> is missing "name" metadata".
    [[nodiscard]] static MetaNameMap _buildMetaNameMap(const std::vector<const Type*>& classes);
};

} // namespace tarvex
