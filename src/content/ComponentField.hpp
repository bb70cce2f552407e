// One field of a component schema: its name, documentation, default value as text, data type
// name and protection level. Built by the schema readers with fluent setters:
//
//     auto speed = std::make_shared<ComponentField>();
//     speed->setName("speed").setDataType("float").setDefaultValue("1.5");
//
// Only the data type "bool" means something to the entity factory (it sets 1 for the text
// "true", else 0); every other type name is documentation.
#pragma once

#include "core/Object.hpp"

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvex {

class ComponentField : public Object {
    TARVEX_OBJECT(ComponentField, Object)
public:
    static constexpr std::int32_t PROTECTION_PRIVATE = 1;
    static constexpr std::int32_t PROTECTION_PROTECTED = 2;
    static constexpr std::int32_t PROTECTION_PUBLIC = 3;

    ComponentField& setName(std::string name);
    ComponentField& setDescription(std::string description);
    ComponentField& setDefaultValue(std::string value);
    ComponentField& setDataType(std::string dataType);
    // "private", "protected" or "public" in any case; any other word leaves the level as it was.
    ComponentField& setProtectionLevel(std::string_view level);

    // The data type name as written in the schema. (Named getDataType rather than getType,
    // which answers every object's run-time type record.)
    [[nodiscard]] const std::string& getDataType() const { return _dataType; }
    [[nodiscard]] const std::string& getName() const { return _name; }
    [[nodiscard]] const std::string& getDescription() const { return _description; }
    [[nodiscard]] const std::string& getDefaultValue() const { return _defaultValue; }
    [[nodiscard]] std::int32_t getProtectionLevel() const { return _protectionLevel; }

private:
    std::string _name;
    std::string _description;
    std::string _defaultValue;
    std::int32_t _protectionLevel = PROTECTION_PRIVATE;
    std::string _dataType;
};

} // namespace tarvex
