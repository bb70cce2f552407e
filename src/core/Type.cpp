#include "core/Type.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex {

const std::string& Metadata::get(std::string_view key) const {
    static const std::string empty;
    const auto found = _entries.find(key);
    return found == _entries.end() ? empty : found->second;
}

bool Metadata::has(std::string_view key) const {
    return _entries.find(key) != _entries.end();
}

bool Field::write(Object& target, const ObjectRef& value) const {
    return _access.writeObject ? _access.writeObject(target, value) : false;
}

ObjectRef Field::read(const Object& target) const {
    return _access.readObject ? _access.readObject(target) : nullptr;
}

bool Field::writeText(Object& target, std::string_view text) const {
    return _access.writeText ? _access.writeText(target, text) : false;
}

std::string Field::readText(const Object& target) const {
    return _access.readText ? _access.readText(target) : std::string();
}

const Field* Type::findOwnField(std::string_view name) const {
    for (const Field& field : _fields) {
        if (field.getName() == name) {
            return &field;
        }
    }
    return nullptr;
}

const Field* Type::findField(std::string_view name) const {
    for (const Type* type = this; type != nullptr; type = type->_base) {
        if (const Field* field = type->findOwnField(name)) {
            return field;
        }
    }
    return nullptr;
}

const Method* Type::findMethod(std::string_view name) const {
    for (const Type* type = this; type != nullptr; type = type->_base) {
        for (const Method& method : type->_methods) {
            if (method.getName() == name) {
                return &method;
            }
        }
    }
    return nullptr;
}

bool Type::derivesFrom(const Type& other) const {
    for (const Type* type = this; type != nullptr; type = type->_base) {
        if (type == &other) {
            return true;
        }
    }
    return false;
}

namespace {
const Type& valueType(const char* name) {
    return *new Type(name, nullptr);
}
} // namespace

const Type& BuiltinTypes::int32() {
    static const Type& type = valueType("int32");
    return type;
}
const Type& BuiltinTypes::int64() {
    static const Type& type = valueType("int64");
    return type;
}
const Type& BuiltinTypes::byte() {
    static const Type& type = valueType("byte");
    return type;
}
const Type& BuiltinTypes::boolean() {
    static const Type& type = valueType("bool");
    return type;
}
const Type& BuiltinTypes::float32() {
    static const Type& type = valueType("float32");
    return type;
}
const Type& BuiltinTypes::float64() {
    static const Type& type = valueType("float64");
    return type;
}
const Type& BuiltinTypes::string() {
    static const Type& type = valueType("string");
    return type;
}
const Type& BuiltinTypes::opaque() {
    static const Type& type = valueType("opaque");
    return type;
}

} // namespace tarvex
