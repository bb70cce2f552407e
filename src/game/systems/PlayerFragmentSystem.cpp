#include "game/systems/PlayerFragmentSystem.hpp"

#include "core/Random.hpp"
#include "core/TypeBuilder.hpp"
#include "game/components/BodyComponent.hpp"
#include "game/systems/ExplosionPieces.hpp"
#include "game/systems/WreckLanding.hpp"

namespace tarvex::game {

namespace {

constexpr float FRAGMENT_FLASH_CHANCE = 0.995F; // a flash when a draw lands above this
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
    landWreck(*body, SEA_BED, _audioDb.get(), _effectsDb.get());
    if (body->y_velocity > 0 && Random::real(0, 1) > FRAGMENT_FLASH_CHANCE) {
        if (_audioDb) {
            _audioDb->playRandomSoundByName("depthrun.sounds.explode*");
        }
        spawnExplosion(body->x_pos + static_cast<float>(Random::integer(0, FLASH_WIDTH)),
                       body->y_pos + static_cast<float>(Random::integer(0, FLASH_HEIGHT)));
    }
}

void PlayerFragmentSystem::spawnExplosion(float x, float y) {
    spawnExplosionPiece(x, y, randomExplosionAnimation(), false);
}

} // namespace tarvex::game
