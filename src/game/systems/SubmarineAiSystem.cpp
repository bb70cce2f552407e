#include "game/systems/SubmarineAiSystem.hpp"

#include "core/Random.hpp"
#include "core/TypeBuilder.hpp"
#include "entities/World.hpp"
#include "game/GameEntityFactory.hpp"
#include "game/components/BodyComponent.hpp"
#include "game/components/EnemyComponents.hpp"
#include "graphics/TarvexGfx.hpp"

#include <cmath>

namespace tarvex::game {

namespace {

constexpr float DIE_SIDES = 6;
constexpr float MISSILE_MAX_SPEED = 15;
constexpr float MISSILE_LIFT = -1.5F; // upward acceleration

} // namespace

const Type& SubmarineAiSystem::staticType() {
    static const Type& type =
        TypeBuilder<SubmarineAiSystem>("SubmarineAiSystem")
            .meta("component_types", "SubmarineComponent")
            .field("_audioDb", &SubmarineAiSystem::_audioDb, {{"autoload_service", "1"}})
            .field("_submarineLookup", &SubmarineAiSystem::_submarineLookup,
                   {{"component_type", "SubmarineComponent"}})
            .field("_bodyLookup", &SubmarineAiSystem::_bodyLookup,
                   {{"component_type", "BodyComponent"}})
            .field("_destroyedLookup", &SubmarineAiSystem::_destroyedLookup,
                   {{"component_type", "DestroyedComponent"}})
            .build();
    return type;
}

void SubmarineAiSystem::initialize() {
    EntityProcessingSystem::initialize();
    autoloadServices(true);
}

std::int32_t SubmarineAiSystem::rollDice() {
    const auto first = static_cast<std::int32_t>(std::ceil(DIE_SIDES * Random::real(0, 1)));
    const auto second = static_cast<std::int32_t>(std::ceil(DIE_SIDES * Random::real(0, 1)));
    return first + second;
}

void SubmarineAiSystem::processEntity(Entity& entity) {
    auto* sub = entity.getComponentAs<SubmarineComponent>(_submarineLookup.get());
    auto* body = entity.getComponentAs<BodyComponent>(_bodyLookup.get());
    if (sub == nullptr || body == nullptr || entity.hasComponent(_destroyedLookup.get()) ||
        sub->aggression == 0) {
        return;
    }
    sub->_missileCountdown -= getWorld()->getDelta();
    if (sub->_missileCountdown > 0) {
        return;
    }
    const auto screenWidth = static_cast<float>(graphics::TarvexGfx::getGraphicsWidth());
    if (body->x_pos < 0 || body->x_pos > screenWidth - static_cast<float>(body->getWidth())) {
        return;
    }
    // A failed roll leaves the countdown run out, so the dice are rolled again next step.
    if (static_cast<float>(rollDice()) > sub->aggression) {
        return;
    }
    sub->_missileCountdown = MISSILE_INTERVAL;
    if (_audioDb) {
        _audioDb->playRandomSoundByName("depthrun.sounds.firework*");
    }
    fireMissile(*body);
}

Ref<Entity> SubmarineAiSystem::fireMissile(const BodyComponent& submarine) {
    auto missile = GameEntityFactory::createEntity();
    auto body = std::make_shared<BodyComponent>();
    body->sprite_name = "depthrun.objects.missile";
    body->animation_name = "depthrun.objects.missile_spin";
    body->x_pos = submarine.x_pos +
                  static_cast<float>(submarine.getWidth() / 2); // NOLINT(bugprone-integer-division)
    body->y_pos = submarine.y_pos;
    body->y_velocity = 0;
    body->y_max_velocity = MISSILE_MAX_SPEED;
    body->y_acceleration = MISSILE_LIFT;
    missile->addComponent(body);
    missile->addComponent(std::make_shared<MissileComponent>());
    missile->setGroup("missiles");
    missile->refresh();
    return missile;
}

} // namespace tarvex::game
