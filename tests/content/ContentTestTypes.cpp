#include "ContentTestTypes.hpp"

#include "content/ContentTypes.hpp"
#include "core/TypeBuilder.hpp"
#include "core/TypeRegistry.hpp"
#include "platform/Stream.hpp"

namespace tarvex::testing {

const Type& ShipComponent::staticType() {
    static const Type& type = TypeBuilder<ShipComponent>("ShipComponent")
                                  .meta("name", "ship")
                                  .field("hull", &ShipComponent::hull)
                                  .field("speed", &ShipComponent::speed)
                                  .field("label", &ShipComponent::label)
                                  .field("armed", &ShipComponent::armed)
                                  .field("sails", &ShipComponent::sails)
                                  .field("_secret", &ShipComponent::_secret)
                                  .field("m_hidden", &ShipComponent::m_hidden)
                                  .field("cargo", &ShipComponent::cargo)
                                  .build();
    return type;
}

const Type& SelfInitComponent::staticType() {
    static const Type& type =
        TypeBuilder<SelfInitComponent>("SelfInitComponent")
            .meta("name", "self_init")
            .field("power", &SelfInitComponent::power)
            .method("intializeFromTemplate", &SelfInitComponent::intializeFromTemplate)
            .build();
    return type;
}

std::int32_t SelfInitComponent::beforeCreate() {
    calls.emplace_back("beforeCreate");
    return 0;
}

std::int32_t SelfInitComponent::intializeFromTemplate(ComponentTemplate* source) {
    calls.push_back("intializeFromTemplate " + (source != nullptr ? source->getSchemaName() : ""));
    power = source != nullptr ? 2 * std::stoi("0" + source->getFieldValue("power")) : -1;
    return 0;
}

std::int32_t SelfInitComponent::afterCreate() {
    calls.emplace_back("afterCreate");
    return 0;
}

void registerContentTestTypes() {
    registerContentTypes();
    TypeRegistry::instance().add<ShipComponent, SelfInitComponent>();
}

Ref<ComponentSchema> makeSchema(const std::string& name, const std::vector<std::string>& fields) {
    auto schema = ComponentSchema::Create(name, "");
    for (const auto& fieldText : fields) {
        const auto colon = fieldText.find(':');
        const auto equals = fieldText.find('=');
        auto field = std::make_shared<ComponentField>();
        field->setName(fieldText.substr(0, colon))
            .setDataType(fieldText.substr(colon + 1, equals - colon - 1))
            .setDefaultValue(equals == std::string::npos ? "" : fieldText.substr(equals + 1));
        schema->addField(field);
    }
    return schema;
}

std::string memoryFile(const std::string& name, const std::string& text) {
    platform::registerMemoryFile(name, std::vector<std::uint8_t>(text.begin(), text.end()));
    return "memory::" + name;
}

std::string samplesDirectory() {
    return TARVEX_SAMPLES_DIR;
}

} // namespace tarvex::testing
