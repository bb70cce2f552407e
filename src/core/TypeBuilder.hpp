// The declarative block that describes a class to the type registry. It sits in the class's
// source file, as the definition of the staticType() that TARVEX_OBJECT declared:
//
//     const Type& AudioService::staticType() {
//         static const Type& type = TypeBuilder<AudioService>("AudioService")
//                                       .meta("implements", "update")
//                                       .field("_resources", &AudioService::_resources,
//                                              {{"injectable", "1"}})
//                                       .method("stopMusic", &AudioService::stopMusic)
//                                       .build();
//         return type;
//     }
//
// Records are built on first use (thread-safe, independent of static initialisation order);
// each module's registerTypes() adds them to the TypeRegistry in a fixed order.
#pragma once

#include "core/TextConversion.hpp"
#include "core/Type.hpp"

#include <concepts>
#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>
#include <utility>

namespace tarvex {

namespace detail {

template <class T> struct IsSharedPtr : std::false_type {};
template <class T> struct IsSharedPtr<std::shared_ptr<T>> : std::true_type { using Element = T; };

template <class T>
concept ObjectClass = std::derived_from<T, Object>;

// How a field of C++ type M is declared, read and written.
template <class M> struct FieldTraits {
    static const Type& declaredType() {
        if constexpr (ObjectClass<M>) {
            return M::staticType();
        } else {
            return BuiltinTypes::opaque();
        }
    }
    static Field::Access access(M Object::*) { return {}; }
};

template <class M> const Type& numericType() {
    if constexpr (std::is_same_v<M, bool>) {
        return BuiltinTypes::boolean();
    } else if constexpr (std::is_floating_point_v<M>) {
        return sizeof(M) == 4 ? BuiltinTypes::float32() : BuiltinTypes::float64();
    } else if constexpr (sizeof(M) == 1) {
        return BuiltinTypes::byte();
    } else if constexpr (sizeof(M) <= 4) {
        return BuiltinTypes::int32();
    } else {
        return BuiltinTypes::int64();
    }
}

template <class M> M numberFromText(std::string_view text) {
    if constexpr (std::is_same_v<M, bool>) {
        return toInt(text) != 0;
    } else if constexpr (std::is_same_v<M, float>) {
        return toFloat(text); // straight to the nearest float, not through a double
    } else if constexpr (std::is_floating_point_v<M>) {
        return static_cast<M>(toDouble(text));
    } else if constexpr (sizeof(M) <= 4) {
        return static_cast<M>(toInt(text));
    } else {
        return static_cast<M>(toLong(text));
    }
}

template <class M> std::string numberToText(M value) {
    if constexpr (std::is_same_v<M, bool>) {
        return value ? "1" : "0";
    } else if constexpr (std::is_floating_point_v<M>) {
        return floatToText(value);
    } else {
        return std::to_string(value);
    }
}

template <class C, class M> Field::Access makeAccess(M C::*member) {
    Field::Access access;
    if constexpr (std::is_arithmetic_v<M>) {
        access.writeText = [member](Object& target, std::string_view text) {
            static_cast<C&>(target).*member = numberFromText<M>(text);
            return true;
        };
        access.readText = [member](const Object& target) {
            return numberToText<M>(static_cast<const C&>(target).*member);
        };
    } else if constexpr (std::is_same_v<M, std::string>) {
        access.writeText = [member](Object& target, std::string_view text) {
            static_cast<C&>(target).*member = std::string(text);
            return true;
        };
        access.readText = [member](const Object& target) {
            return static_cast<const C&>(target).*member;
        };
    } else if constexpr (IsSharedPtr<M>::value) {
        using T = typename IsSharedPtr<M>::Element;
        static_assert(ObjectClass<T>, "reference fields must hold framework objects");
        access.writeObject = [member](Object& target, const ObjectRef& value) {
            auto typed = std::dynamic_pointer_cast<T>(value);
            if (value && !typed) {
                return false;
            }
            static_cast<C&>(target).*member = std::move(typed);
            return true;
        };
        access.readObject = [member](const Object& target) -> ObjectRef {
            return static_cast<const C&>(target).*member;
        };
    } else if constexpr (std::is_pointer_v<M>) {
        // Non-owning back reference: stores the address, answers a shared reference if the
        // object is owned by one.
        using T = std::remove_cv_t<std::remove_pointer_t<M>>;
        static_assert(ObjectClass<T>, "pointer fields must point to framework objects");
        access.writeObject = [member](Object& target, const ObjectRef& value) {
            auto* typed = dynamic_cast<T*>(value.get());
            if (value && typed == nullptr) {
                return false;
            }
            static_cast<C&>(target).*member = typed;
            return true;
        };
        access.readObject = [member](const Object& target) -> ObjectRef {
            return refOf(static_cast<const C&>(target).*member);
        };
    }
    return access;
}

template <class M> const Type& declaredTypeOf() {
    if constexpr (std::is_arithmetic_v<M>) {
        return numericType<M>();
    } else if constexpr (std::is_same_v<M, std::string>) {
        return BuiltinTypes::string();
    } else if constexpr (IsSharedPtr<M>::value) {
        return IsSharedPtr<M>::Element::staticType();
    } else if constexpr (std::is_pointer_v<M> &&
                         ObjectClass<std::remove_cv_t<std::remove_pointer_t<M>>>) {
        return std::remove_cv_t<std::remove_pointer_t<M>>::staticType();
    } else if constexpr (ObjectClass<M>) {
        return M::staticType();
    } else {
        return BuiltinTypes::opaque();
    }
}

// Converts one method argument from an object reference.
template <class A> decltype(auto) argumentAs(const ObjectRef& arg) {
    using Plain = std::remove_cvref_t<A>;
    if constexpr (IsSharedPtr<Plain>::value) {
        return std::dynamic_pointer_cast<typename IsSharedPtr<Plain>::Element>(arg);
    } else if constexpr (std::is_pointer_v<Plain>) {
        return dynamic_cast<Plain>(arg.get());
    } else {
        static_assert(IsSharedPtr<Plain>::value || std::is_pointer_v<Plain>,
                      "methods callable by name take object arguments");
    }
}

template <class R> ObjectRef resultAsObject(R&& result) {
    using Plain = std::remove_cvref_t<R>;
    if constexpr (IsSharedPtr<Plain>::value) {
        return std::static_pointer_cast<Object>(std::forward<R>(result));
    } else {
        return nullptr;
    }
}

} // namespace detail

template <class C> class TypeBuilder {
public:
    explicit TypeBuilder(std::string name) {
        const Type* base = nullptr;
        if constexpr (!std::is_same_v<C, Object>) {
            base = &C::Base::staticType();
        }
        _type = new Type(std::move(name), base); // lives for the whole run, like its class
        if constexpr (std::is_default_constructible_v<C> && !std::is_abstract_v<C>) {
            _type->_factory = [] {
                return std::static_pointer_cast<Object>(std::make_shared<C>());
            };
        }
    }

    TypeBuilder& meta(const std::string& key, const std::string& value) {
        _type->_metadata.set(key, value);
        return *this;
    }

    template <class M> TypeBuilder& field(std::string name, M C::*member, Metadata metadata = {}) {
        _type->_fields.emplace_back(std::move(name), &detail::declaredTypeOf<M>,
                                    std::move(metadata), detail::makeAccess<C, M>(member));
        return *this;
    }

    // A field whose declared type is given explicitly, e.g. a handle to a framework object
    // kept in a container the builder does not understand.
    template <class M>
    TypeBuilder& field(std::string name, M C::*member, TypeGetter declaredType,
                       Metadata metadata = {}) {
        _type->_fields.emplace_back(std::move(name), declaredType, std::move(metadata),
                                    detail::makeAccess<C, M>(member));
        return *this;
    }

    template <class R, class... A> TypeBuilder& method(std::string name, R (C::*function)(A...)) {
        _type->_methods.emplace_back(std::move(name), [function](Object& target, MethodArgs args) {
            return invoke(static_cast<C&>(target), function, args, std::index_sequence_for<A...>{});
        });
        return *this;
    }

    TypeBuilder& method(std::string name, std::function<ObjectRef(C&, MethodArgs)> function) {
        _type->_methods.emplace_back(
            std::move(name), [function = std::move(function)](Object& target, MethodArgs args) {
                return function(static_cast<C&>(target), args);
            });
        return *this;
    }

    // For classes whose instances are not made by name.
    TypeBuilder& noFactory() {
        _type->_factory = nullptr;
        return *this;
    }

    [[nodiscard]] const Type& build() { return *_type; }

private:
    template <class R, class... A, std::size_t... I>
    static ObjectRef invoke(C& target, R (C::*function)(A...), MethodArgs args,
                            std::index_sequence<I...>) {
        static const ObjectRef none;
        auto argument = [&](std::size_t i) -> const ObjectRef& {
            return i < args.size() ? args[i] : none;
        };
        if constexpr (std::is_void_v<R>) {
            (target.*function)(detail::argumentAs<A>(argument(I))...);
            return nullptr;
        } else {
            return detail::resultAsObject(
                (target.*function)(detail::argumentAs<A>(argument(I))...));
        }
    }

    Type* _type;
};

} // namespace tarvex
