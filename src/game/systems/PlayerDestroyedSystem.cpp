#include "game/systems/PlayerDestroyedSystem.hpp"

#include "core/DebugLog.hpp"
#include "core/Random.hpp"
#include "core/TypeBuilder.hpp"
#include "entities/World.hpp"
#include "game/GameEntityFactory.hpp"
#include "game/components/BodyComponent.hpp"
#include "game/components/PlayerComponents.hpp"

#include <array>

namespace tarvex::game {

namespace {

constexpr std::array<float, PlayerDestroyedSystem::FRAGMENTS> FRAGMENT_DRIFT{-2, -1, 1, 2};
constexpr float FRAGMENT_GRAVITY = 10;
constexpr float GRAVITY_SPREAD = 2;
constexpr float FRAGMENT_TOP_SPEED = 15;
constexpr float TOP_SPEED_SPREAD = 10;

} // namespace

const Type& PlayerDestroyedSystem::staticType() {
    static const Type& type =
        TypeBuilder<PlayerDestroyedSystem>("PlayerDestroyedSystem")
            .meta("component_types", "PlayerComponent, BodyComponent")
            .field("_bodyLookup", &PlayerDestroyedSystem::_bodyLookup,
                   {{"component_type", "BodyComponent"}})
            .field("_healthLookup", &PlayerDestroyedSystem::_healthLookup,
                   {{"component_type", "HealthComponent"}})
            .field("_destroyedLookup", &PlayerDestroyedSystem::_destroyedLookup,
                   {{"component_type", "DestroyedComponent"}})
            .build();
    return type;
}

void PlayerDestroyedSystem::processEntity(Entity& entity) {
    const auto* health = entity.getComponentAs<HealthComponent>(_healthLookup.get());
    const auto* boat = entity.getComponentAs<BodyComponent>(_bodyLookup.get());
    if (entity.hasComponent(_destroyedLookup.get()) || health == nullptr || boat == nullptr ||
        health->current_health > 0) {
        return;
    }
    for (std::int32_t i = 0; i < FRAGMENTS; ++i) {
        auto fragment = GameEntityFactory::createEntity();
        auto body = std::make_shared<BodyComponent>();
        body->sprite_name = "depthrun.objects.player_parts";
        body->sprite_frame = i;
        body->x_pos = boat->x_pos + FRAGMENT_SPACING * static_cast<float>(i);
        body->y_pos = boat->y_pos;
        body->x_velocity = boat->x_velocity + FRAGMENT_DRIFT.at(static_cast<std::size_t>(i));
        body->y_acceleration = FRAGMENT_GRAVITY + Random::real(-GRAVITY_SPREAD, GRAVITY_SPREAD);
        body->y_max_velocity = FRAGMENT_TOP_SPEED + Random::real(0, TOP_SPEED_SPREAD);
        fragment->addComponent(body);
        fragment->addComponent(std::make_shared<PlayerFragmentComponent>());
        fragment->refresh();
    }
    debugLog("DESTROYING THE PLAYER!");
    getWorld()->deleteEntity(&entity);
    getWorld()->refreshEntity(&entity);
}

} // namespace tarvex::game
