#include "resources/StringTable.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex {

const Type& StringTable::staticType() {
    static const Type& type =
        TypeBuilder<StringTable>("StringTable").field("_strings", &StringTable::_strings).build();
    return type;
}

std::string StringTable::get(const std::string& key) const {
    const auto found = _strings.find(key);
    return found == _strings.end() ? std::string() : found->second;
}

StringTable& StringTable::set(const std::string& key, const std::string& value) {
    _strings[key] = value;
    return *this;
}

} // namespace tarvex
