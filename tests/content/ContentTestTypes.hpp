// Component classes and helpers shared by the content tests. registerContentTestTypes()
// registers them before anything builds the factory's or the world's meta-name maps.
#pragma once

#include "content/ComponentTemplate.hpp"
#include "content/ContentDb.hpp"
#include "entities/EntityComponent.hpp"
#include "resources/BrixGroup.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace tarvex::testing {

// Set by reflection: every kind of field the factory converts text into.
class ShipComponent : public EntityComponent {
    TARVEX_OBJECT(ShipComponent, EntityComponent)
public:
    std::int32_t hull = -1;
    float speed = -1.0F;
    std::string label = "unset";
    std::int32_t armed = -1;
    bool sails = false;
    std::int32_t _secret = -1;
    std::int32_t m_hidden = -1;
    Ref<BrixGroup> cargo; // an internal field: the nested group itself
};

// Fills itself through its "intializeFromTemplate" method.
class SelfInitComponent : public EntityComponent {
    TARVEX_OBJECT(SelfInitComponent, EntityComponent)
public:
    std::int32_t beforeCreate() override;
    std::int32_t intializeFromTemplate(ComponentTemplate* source);
    std::int32_t afterCreate() override;

    std::int32_t power = 0;
    std::vector<std::string> calls;
};

void registerContentTestTypes();

// A schema of the given fields: each "name:type=default".
Ref<ComponentSchema> makeSchema(const std::string& name, const std::vector<std::string>& fields);

// Makes `text` readable as "memory::<name>" and answers that URL.
std::string memoryFile(const std::string& name, const std::string& text);

// The directory of the committed content and tile samples.
std::string samplesDirectory();

} // namespace tarvex::testing
