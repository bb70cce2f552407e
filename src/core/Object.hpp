// The root of every framework and game class. Objects are shared by reference
// (std::shared_ptr); back references (a component's entity, a screen's parent) are plain
// non-owning pointers so that nothing owns itself in a cycle. Every class answers its run-time
// type record through getType(); TARVEX_OBJECT declares that record for a class:
//
//     class Mine : public EntityComponent {
//         TARVEX_OBJECT(Mine, EntityComponent)
//     public:
//         float countdown = 0;
//     };
//
// and the class's source file defines Mine::staticType() with a TypeBuilder (see TypeBuilder.hpp).
#pragma once

#include <memory>
#include <string>

namespace tarvex {

class Type;
template <class C> class TypeBuilder;

class Object : public std::enable_shared_from_this<Object> {
public:
    Object() = default;
    // A copy is a new object: registries keyed by address know nothing of it.
    Object(const Object& other) : std::enable_shared_from_this<Object>(other) {}
    Object& operator=(const Object& /*other*/) { return *this; }
    Object(Object&& other) noexcept : std::enable_shared_from_this<Object>(other) {}
    Object& operator=(Object&& /*other*/) noexcept { return *this; }
    virtual ~Object();

    [[nodiscard]] static const Type& staticType();
    [[nodiscard]] virtual const Type& getType() const { return staticType(); }

    // True when this object's class is `type` or derives from it.
    [[nodiscard]] bool isInstanceOf(const Type& type) const;

    // Generic comparison: 0 for the same object, otherwise ordered by address.
    [[nodiscard]] virtual int Compare(const Object& other) const;
    [[nodiscard]] virtual std::string ToString() const;

    // For registries that keep something per object by its address (the injector's
    // wrappers): `forget` runs when an object marked with keptByAddress() is destroyed, so that
    // a newcomer at the same address never inherits what was kept for the old one. Register a
    // registry once, before marking any object for it.
    using ForgetFunction = void (*)(const Object* object);
    static void addAddressRegistry(ForgetFunction forget);
    void keptByAddress() const { _keptByAddress = true; }

private:
    mutable bool _keptByAddress = false;
};

using ObjectRef = std::shared_ptr<Object>;
template <class T> using Ref = std::shared_ptr<T>;

// A shared reference to an object that may not be owned by a shared_ptr (then null).
template <class T> [[nodiscard]] Ref<T> refOf(T* object) {
    if (object == nullptr) {
        return nullptr;
    }
    return std::static_pointer_cast<T>(std::const_pointer_cast<Object>(
        static_cast<const Object*>(object)->weak_from_this().lock()));
}

} // namespace tarvex

// Declares the type record of a class. Place it first in the class body; it leaves the access
// at private, as a class body starts.
#define TARVEX_OBJECT(ClassName, BaseName)                                                         \
public:                                                                                            \
    using Base = BaseName;                                                                         \
    [[nodiscard]] static const ::tarvex::Type& staticType();                                       \
    [[nodiscard]] const ::tarvex::Type& getType() const override {                                 \
        return staticType();                                                                       \
    }                                                                                              \
                                                                                                   \
private:                                                                                           \
    friend class ::tarvex::TypeBuilder<ClassName>;
