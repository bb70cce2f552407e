// The registry of every class, in registration order. Each module registers its classes in an
// explicit registerTypes() called at start-up in a fixed order, so that "every class derived
// from X" and lookups by class name do not depend on static initialisation order.
#pragma once

#include "core/Type.hpp"

#include <string_view>
#include <unordered_map>
#include <vector>

namespace tarvex {

class TypeRegistry {
public:
    // The process-wide registry.
    static TypeRegistry& instance();

    // Adds a class (and, first, any of its bases not yet registered); adding twice does nothing.
    void add(const Type& type);
    template <class... C> void add() { (add(C::staticType()), ...); }

    [[nodiscard]] const Type* findByName(std::string_view name) const;
    [[nodiscard]] const std::vector<const Type*>& all() const { return _types; }
    // Every registered class that is `base` or derives from it, in registration order.
    [[nodiscard]] std::vector<const Type*> derivedFrom(const Type& base) const;

private:
    std::vector<const Type*> _types;
    std::unordered_map<std::string_view, const Type*> _byName;
};

// Registers the core classes.
void registerCoreTypes();

} // namespace tarvex
