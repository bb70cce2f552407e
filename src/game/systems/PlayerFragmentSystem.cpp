#include "game/systems/PlayerFragmentSystem.hpp"

#include "core/Random.hpp"
#include "core/TypeBuilder.hpp"
#include "game/GameEntityFactory.hpp"
#include "game/components/BodyComponent.hpp"
#include "game/components/WeaponComponents.hpp"

#include <string>

namespace tarvex::game {

namespace {

constexpr float FLASH_CHANCE = 0.995F; // a flash when a draw lands above this
constexpr std::int32_t FLASH_WIDTH = 16;
constexpr std::int32_t FLASH_HEIGHT = 17;

} // namespace

const Type& PlayerFragmentSystem::staticType() {
    static const Type& type =
        TypeBuilder<PlayerFragmentSystem>("PlayerFragmentSystem")
            .meta("component_types", "PlayerFragmentComponent")
            .field("_audioDb", &PlayerFragmentSystem::_audioDb, {{"autoload_service", "1"}})
            .field("_effectsDb", &PlayerFragmentSystem::_effectsDb, {{"autoload_service", "1"}})
            .field("_bodyLookup", &PlayerFragmentSystem::_bodyLookup,
                   {{"component_type", "BodyComponent"}})
            .build();
    return type;
}

void PlayerFragmentSystem::initialize() {
    EntityProcessingSystem::initialize();
    autoloadServices(true);
}

void PlayerFragmentSystem::processEntity(Entity& entity) {
    auto* body = entity.getComponentAs<BodyComponent>(_bodyLookup.get());
    if (body == nullptr) {
        return;
    }
    if (body->y_pos >= SEA_BED && body->y_velocity > 0) {
        body->y_acceleration = 0;
        body->y_velocity = 0;
        body->x_velocity = 0;
        body->x_acceleration = 0;
        if (_audioDb) {
            _audioDb->playRandomSoundByName("depthrun.sounds.explode*");
        }
        if (_effectsDb) {
            _effectsDb->pushAction(std::make_shared<graphics::ShakeCameraAction>());
        }
    }
    if (body->y_velocity > 0 && Random::real(0, 1) > FLASH_CHANCE) {
        if (_audioDb) {
            _audioDb->playRandomSoundByName("depthrun.sounds.explode*");
        }
        spawnExplosion(body->x_pos + static_cast<float>(Random::integer(0, FLASH_WIDTH)),
                       body->y_pos + static_cast<float>(Random::integer(0, FLASH_HEIGHT)));
    }
}

void PlayerFragmentSystem::spawnExplosion(float x, float y) {
    auto piece = GameEntityFactory::createEntity();
    auto body = std::make_shared<BodyComponent>();
    body->sprite_name = "depthrun.particles.explosion.small";
    body->animation_name =
        "depthrun.particles.animations.splode" + std::to_string(Random::integer(1, 8));
    body->x_pos = x;
    body->y_pos = y;
    auto explosion = std::make_shared<ExplosionComponent>();
    explosion->damages_enemy = false;
    explosion->damages_player = false;
    piece->addComponent(explosion);
    piece->addComponent(body);
    piece->refresh();
}

} // namespace tarvex::game
