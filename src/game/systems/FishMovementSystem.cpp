#include "game/systems/FishMovementSystem.hpp"

#include "core/Random.hpp"
#include "core/TypeBuilder.hpp"
#include "game/SeaSurface.hpp"
#include "game/components/BodyComponent.hpp"
#include "game/components/WildlifeComponents.hpp"
#include "graphics/TarvexGfx.hpp"

#include <cmath>
#include <numbers>

namespace tarvex::game {

namespace {

constexpr float WAVE_STEP = 0.1F; // degrees per step
constexpr float WAVE_HEIGHT = 2;
constexpr std::int32_t FISH_REENTRY_SPREAD = 10;
constexpr float FISH_BASE_SPEED = 5;
constexpr float FISH_SPEED_RANGE = 5;

[[nodiscard]] float sinDegrees(float degrees) {
    return std::sin(degrees * std::numbers::pi_v<float> / 180.0F);
}

} // namespace

const Type& FishMovementSystem::staticType() {
    static const Type& type = TypeBuilder<FishMovementSystem>("FishMovementSystem")
                                  .meta("component_types", "FishComponent")
                                  .field("_fishLookup", &FishMovementSystem::_fishLookup,
                                         {{"component_type", "FishComponent"}})
                                  .field("_bodyLookup", &FishMovementSystem::_bodyLookup,
                                         {{"component_type", "BodyComponent"}})
                                  .field("_destroyedLookup", &FishMovementSystem::_destroyedLookup,
                                         {{"component_type", "DestroyedComponent"}})
                                  .build();
    return type;
}

void FishMovementSystem::processEntity(Entity& entity) {
    auto* fish = entity.getComponentAs<FishComponent>(_fishLookup.get());
    auto* body = entity.getComponentAs<BodyComponent>(_bodyLookup.get());
    if (fish == nullptr || body == nullptr) {
        return;
    }
    if (entity.hasComponent(_destroyedLookup.get())) {
        if (body->y_pos <= SEA_SURFACE_Y) {
            body->y_velocity = 0; // the dead fish floats at the surface
            body->y_acceleration = 0;
        }
        return;
    }

    fish->_waveOffset += WAVE_STEP;
    body->setY(fish->_startY + WAVE_HEIGHT * sinDegrees(fish->_waveOffset));

    const auto width = static_cast<float>(body->getWidth());
    const auto screenWidth = static_cast<float>(graphics::TarvexGfx::getGraphicsWidth());
    if (fish->direction == FishComponent::DIRECTION_LEFT && body->x_pos < -width) {
        body->setX(screenWidth + static_cast<float>(Random::integer(0, FISH_REENTRY_SPREAD)));
    } else if (fish->direction == FishComponent::DIRECTION_RIGHT && body->x_pos > screenWidth) {
        body->setX(-width - static_cast<float>(Random::integer(0, FISH_REENTRY_SPREAD)));
    }

    if (std::fabs(fish->_startX - body->x_pos) > PATROL_RANGE) {
        const auto& sprite = body->getSprite();
        if (fish->direction == FishComponent::DIRECTION_LEFT) {
            fish->direction = FishComponent::DIRECTION_RIGHT;
            body->move(1, 0);
            body->x_velocity = FISH_BASE_SPEED + FISH_SPEED_RANGE * Random::real(0, 1);
            if (sprite) {
                sprite->play("swim_right", 1.0F);
            }
        } else {
            fish->direction = FishComponent::DIRECTION_LEFT;
            body->move(-1, 0);
            body->x_velocity = -FISH_BASE_SPEED - FISH_SPEED_RANGE * Random::real(0, 1);
            if (sprite) {
                sprite->play("swim_left", 1.0F);
            }
        }
    }
}

} // namespace tarvex::game
