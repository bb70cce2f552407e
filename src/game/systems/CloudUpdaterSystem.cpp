#include "game/systems/CloudUpdaterSystem.hpp"

#include "core/Random.hpp"
#include "core/TypeBuilder.hpp"
#include "game/components/BodyComponent.hpp"
#include "graphics/TarvexGfx.hpp"

namespace tarvex::game {

namespace {

constexpr float CLOUD_REENTRY_SPREAD = 10;

} // namespace

const Type& CloudUpdaterSystem::staticType() {
    static const Type& type = TypeBuilder<CloudUpdaterSystem>("CloudUpdaterSystem")
                                  .meta("component_types", "CloudComponent, BodyComponent")
                                  .field("_bodyLookup", &CloudUpdaterSystem::_bodyLookup,
                                         {{"component_type", "BodyComponent"}})
                                  .build();
    return type;
}

void CloudUpdaterSystem::processEntity(Entity& entity) {
    auto* body = entity.getComponentAs<BodyComponent>(_bodyLookup.get());
    if (body == nullptr) {
        return;
    }
    if (body->x_pos < -static_cast<float>(body->getWidth())) {
        body->setX(static_cast<float>(graphics::TarvexGfx::getGraphicsWidth()) +
                   CLOUD_REENTRY_SPREAD * Random::real(0, 1));
    }
}

} // namespace tarvex::game
