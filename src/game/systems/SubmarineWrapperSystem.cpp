#include "game/systems/SubmarineWrapperSystem.hpp"

#include "core/Random.hpp"
#include "core/TypeBuilder.hpp"
#include "game/components/BodyComponent.hpp"
#include "game/components/EnemyComponents.hpp"
#include "graphics/TarvexGfx.hpp"

namespace tarvex::game {

namespace {

constexpr float SUB_REENTRY_SPREAD = 10; // how far beyond the edge a submarine may come back

} // namespace

const Type& SubmarineWrapperSystem::staticType() {
    static const Type& type =
        TypeBuilder<SubmarineWrapperSystem>("SubmarineWrapperSystem")
            .meta("component_types", "SubmarineComponent, BodyComponent")
            .field("_submarineLookup", &SubmarineWrapperSystem::_submarineLookup,
                   {{"component_type", "SubmarineComponent"}})
            .field("_bodyLookup", &SubmarineWrapperSystem::_bodyLookup,
                   {{"component_type", "BodyComponent"}})
            .build();
    return type;
}

void SubmarineWrapperSystem::processEntity(Entity& entity) {
    auto* sub = entity.getComponentAs<SubmarineComponent>(_submarineLookup.get());
    auto* body = entity.getComponentAs<BodyComponent>(_bodyLookup.get());
    if (sub == nullptr || body == nullptr) {
        return;
    }
    const auto width = static_cast<float>(body->getWidth());
    const auto screenWidth = static_cast<float>(graphics::TarvexGfx::getGraphicsWidth());
    if (sub->direction == SubmarineComponent::DIRECTION_LEFT) {
        if (body->x_pos < -width) {
            body->setX(screenWidth + Random::real(0, 1) * SUB_REENTRY_SPREAD);
        }
    } else if (sub->direction == SubmarineComponent::DIRECTION_RIGHT) {
        if (body->x_pos > screenWidth) {
            body->setX(-width - Random::real(0, 1) * SUB_REENTRY_SPREAD);
        }
    }
}

} // namespace tarvex::game
