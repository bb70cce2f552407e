#include "game/systems/MissileCollisionSystem.hpp"

#include "core/Random.hpp"
#include "core/TypeBuilder.hpp"
#include "entities/World.hpp"
#include "game/GameEntityFactory.hpp"
#include "game/SeaSurface.hpp"
#include "game/components/BodyComponent.hpp"
#include "game/systems/ExplosionPieces.hpp"

namespace tarvex::game {

namespace {

constexpr std::int32_t MISSILE_PIECES = 4;
constexpr float MISSILE_PIECE_OFFSET = 2; // pieces land within [-2, 3) of the missile
constexpr float MISSILE_PIECE_SPREAD = 5;
constexpr std::int32_t MISSILE_SPLASH_DROPS = 25;
constexpr float MISSILE_SPLASH_WIDTH = 3;
constexpr float MISSILE_SPLASH_CENTRE = 1.5F; // half the splash width

} // namespace

const Type& MissileCollisionSystem::staticType() {
    static const Type& type =
        TypeBuilder<MissileCollisionSystem>("MissileCollisionSystem")
            .meta("component_types", "MissileComponent")
            .field("_audioDb", &MissileCollisionSystem::_audioDb, {{"autoload_service", "1"}})
            .field("_missileLookup", &MissileCollisionSystem::_missileLookup,
                   {{"component_type", "MissileComponent"}})
            .field("_bodyLookup", &MissileCollisionSystem::_bodyLookup,
                   {{"component_type", "BodyComponent"}})
            .field("_playerLookup", &MissileCollisionSystem::_playerLookup,
                   {{"component_type", "PlayerComponent"}})
            .build();
    return type;
}

void MissileCollisionSystem::initialize() {
    EntityProcessingSystem::initialize();
    autoloadServices(true);
}

void MissileCollisionSystem::processEntity(Entity& entity) {
    auto* body = entity.getComponentAs<BodyComponent>(_bodyLookup.get());
    if (body == nullptr || body->y_pos > SEA_SURFACE_Y) {
        return;
    }
    const auto halfWidth =
        static_cast<float>(body->getWidth() / 2); // NOLINT(bugprone-integer-division)
    GameEntityFactory::createSpash(body->x_pos + halfWidth - MISSILE_SPLASH_CENTRE, SEA_SURFACE_Y,
                                   MISSILE_SPLASH_DROPS, MISSILE_SPLASH_WIDTH);
    detonateMissile(entity);
}

void MissileCollisionSystem::detonateMissile(Entity& missile) {
    auto* body = missile.getComponentAs<BodyComponent>(_bodyLookup.get());
    if (_audioDb) {
        _audioDb->playRandomSoundByName("depthrun.sounds.explode*");
    }
    if (body != nullptr) {
        for (std::int32_t i = 0; i < MISSILE_PIECES; ++i) {
            const std::string animation = randomExplosionAnimation();
            const float x =
                body->x_pos - MISSILE_PIECE_OFFSET + Random::real(0, 1) * MISSILE_PIECE_SPREAD;
            const float y =
                body->y_pos - MISSILE_PIECE_OFFSET + Random::real(0, 1) * MISSILE_PIECE_SPREAD;
            spawnExplosionPiece(x, y, animation, true);
        }
    }
    getWorld()->deleteEntity(&missile);
    getWorld()->refreshEntity(&missile);
}

} // namespace tarvex::game
