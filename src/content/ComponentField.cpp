#include "content/ComponentField.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex {

const Type& ComponentField::staticType() {
    static const Type& type = TypeBuilder<ComponentField>("ComponentField")
                                  .field("_name", &ComponentField::_name)
                                  .field("_description", &ComponentField::_description)
                                  .field("_defaultValue", &ComponentField::_defaultValue)
                                  .field("_protectionLevel", &ComponentField::_protectionLevel)
                                  .field("_dataType", &ComponentField::_dataType)
                                  .build();
    return type;
}

ComponentField& ComponentField::setName(std::string name) {
    _name = std::move(name);
    return *this;
}

ComponentField& ComponentField::setDescription(std::string description) {
    _description = std::move(description);
    return *this;
}

ComponentField& ComponentField::setDefaultValue(std::string value) {
    _defaultValue = std::move(value);
    return *this;
}

ComponentField& ComponentField::setDataType(std::string dataType) {
    _dataType = std::move(dataType);
    return *this;
}

ComponentField& ComponentField::setProtectionLevel(std::string_view level) {
    std::string upper(level);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    if (upper == "PRIVATE") {
        _protectionLevel = PROTECTION_PRIVATE;
    } else if (upper == "PROTECTED") {
        _protectionLevel = PROTECTION_PROTECTED;
    } else if (upper == "PUBLIC") {
        _protectionLevel = PROTECTION_PUBLIC;
    }
    return *this;
}

} // namespace tarvex
