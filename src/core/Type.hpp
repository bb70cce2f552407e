// Run-time type records. Each class has exactly one `Type`, compared by identity: its name, its
// base's record, class metadata (key = value strings), its own fields in declaration order,
// methods callable by name and, for concrete classes, a factory. Records are built by
// TypeBuilder and live for the whole run.
#pragma once

#include "core/Object.hpp"

#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarvex {

class Type;
using TypeGetter = const Type& (*)();

// Key = value metadata; an absent key reads as "".
class Metadata {
public:
    Metadata() = default;
    Metadata(std::initializer_list<std::pair<const std::string, std::string>> entries)
        : _entries(entries) {}

    [[nodiscard]] const std::string& get(std::string_view key) const;
    [[nodiscard]] bool has(std::string_view key) const;
    void set(const std::string& key, const std::string& value) { _entries[key] = value; }
    [[nodiscard]] const std::map<std::string, std::string, std::less<>>& entries() const {
        return _entries;
    }

private:
    std::map<std::string, std::string, std::less<>> _entries;
};

// One declared field: its name, declared type, metadata and the means to read and write it on
// a given object, as an object reference or as text.
class Field {
public:
    struct Access {
        std::function<bool(Object&, const ObjectRef&)> writeObject;
        std::function<ObjectRef(const Object&)> readObject;
        std::function<bool(Object&, std::string_view)> writeText;
        std::function<std::string(const Object&)> readText;
    };

    Field(std::string name, TypeGetter declaredType, Metadata metadata, Access access)
        : _name(std::move(name)), _declaredType(declaredType), _metadata(std::move(metadata)),
          _access(std::move(access)) {}

    [[nodiscard]] const std::string& getName() const { return _name; }
    // Resolved lazily so that a class may hold fields of its own type.
    [[nodiscard]] const Type& getDeclaredType() const { return _declaredType(); }
    [[nodiscard]] const std::string& getMetadata(std::string_view key) const {
        return _metadata.get(key);
    }
    [[nodiscard]] const Metadata& metadata() const { return _metadata; }

    // Writes an object reference; false (nothing written) when the field does not hold
    // references or the value is not of the declared type. Null is always accepted.
    bool write(Object& target, const ObjectRef& value) const;
    [[nodiscard]] ObjectRef read(const Object& target) const;
    // Writes text converted to the field's type (numbers with the framework's conversions);
    // false when the field cannot take text.
    bool writeText(Object& target, std::string_view text) const;
    [[nodiscard]] std::string readText(const Object& target) const;

private:
    std::string _name;
    TypeGetter _declaredType;
    Metadata _metadata;
    Access _access;
};

using MethodArgs = std::span<const ObjectRef>;

// A method callable by name with object arguments.
class Method {
public:
    using Invoker = std::function<ObjectRef(Object&, MethodArgs)>;
    Method(std::string name, Invoker invoker)
        : _name(std::move(name)), _invoker(std::move(invoker)) {}

    [[nodiscard]] const std::string& getName() const { return _name; }
    ObjectRef invoke(Object& target, MethodArgs args) const { return _invoker(target, args); }

private:
    std::string _name;
    Invoker _invoker;
};

class Type {
public:
    using Factory = std::function<ObjectRef()>;

    Type(std::string name, const Type* base) : _name(std::move(name)), _base(base) {}
    Type(const Type&) = delete;
    Type& operator=(const Type&) = delete;

    [[nodiscard]] const std::string& getName() const { return _name; }
    [[nodiscard]] const Type* getBase() const { return _base; }

    [[nodiscard]] const std::string& getMetadata(std::string_view key) const {
        return _metadata.get(key);
    }
    [[nodiscard]] const Metadata& metadata() const { return _metadata; }

    // Fields declared by this class itself, in declaration order.
    [[nodiscard]] const std::vector<Field>& getOwnFields() const { return _fields; }
    [[nodiscard]] const Field* findOwnField(std::string_view name) const;
    // Searches this class, then its bases.
    [[nodiscard]] const Field* findField(std::string_view name) const;
    [[nodiscard]] const Method* findMethod(std::string_view name) const;

    // True when this is `other` or derives from it at any depth.
    [[nodiscard]] bool derivesFrom(const Type& other) const;

    [[nodiscard]] bool canCreate() const { return static_cast<bool>(_factory); }
    // A new instance, or null for abstract classes and value types.
    [[nodiscard]] ObjectRef create() const { return _factory ? _factory() : nullptr; }

private:
    template <class C> friend class TypeBuilder;
    friend class BuiltinTypes;

    std::string _name;
    const Type* _base;
    Metadata _metadata;
    std::vector<Field> _fields;
    std::vector<Method> _methods;
    Factory _factory;
};

// Records of the value types that fields may be declared with.
class BuiltinTypes {
public:
    static const Type& int32();
    static const Type& int64();
    static const Type& byte();
    static const Type& boolean();
    static const Type& float32();
    static const Type& float64();
    static const Type& string();
    // Anything else that is not a framework object (containers, handles, functions).
    static const Type& opaque();
};

} // namespace tarvex
