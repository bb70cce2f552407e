#include "game/systems/MineUpdaterSystem.hpp"

#include "core/DebugLog.hpp"
#include "core/Random.hpp"
#include "core/TypeBuilder.hpp"
#include "entities/TagManager.hpp"
#include "entities/World.hpp"
#include "game/GameEntityFactory.hpp"
#include "game/SeaSurface.hpp"
#include "game/components/BodyComponent.hpp"
#include "game/components/WildlifeComponents.hpp"
#include "game/systems/ExplosionPieces.hpp"

namespace tarvex::game {

namespace {

constexpr std::int32_t MINE_SPLASH_DROPS = 25;
constexpr float MINE_SPLASH_WIDTH = 3;
constexpr float MINE_SPLASH_CENTRE = 1.5F; // half the splash width
constexpr std::int32_t MINE_PIECES = 4;
constexpr std::int32_t MINE_PIECE_OFFSET = 4; // pieces land within -4 .. +5 of the mine
constexpr std::int32_t MINE_PIECE_SPREAD = 9;

} // namespace

const Type& MineUpdaterSystem::staticType() {
    static const Type& type =
        TypeBuilder<MineUpdaterSystem>("MineUpdaterSystem")
            .meta("component_types", "MineComponent")
            .field("_audioDb", &MineUpdaterSystem::_audioDb, {{"autoload_service", "1"}})
            .field("_mineLookup", &MineUpdaterSystem::_mineLookup,
                   {{"component_type", "MineComponent"}})
            .field("_bodyLookup", &MineUpdaterSystem::_bodyLookup,
                   {{"component_type", "BodyComponent"}})
            .build();
    return type;
}

void MineUpdaterSystem::initialize() {
    EntityProcessingSystem::initialize();
    autoloadServices(true);
}

void MineUpdaterSystem::processEntity(Entity& entity) {
    auto* mine = entity.getComponentAs<MineComponent>(_mineLookup.get());
    auto* body = entity.getComponentAs<BodyComponent>(_bodyLookup.get());
    if (mine == nullptr || body == nullptr) {
        return;
    }
    if (collidedWithPlayer(*body)) {
        detonateMine(entity, *body);
        return;
    }
    if (body->y_velocity != 0) {
        if (body->y_pos >= WATER_LINE) {
            if (_audioDb) {
                _audioDb->playRandomSoundByName("depthrun.sounds.splash*");
            }
            _splash(*body);
            body->y_acceleration = 0;
            body->y_velocity = 0;
        }
        return;
    }
    mine->time_remaining -= 1;
    if (mine->time_remaining == FLASH_MEDIUM_AT) {
        debugLog("Flash medium!");
        if (const auto& sprite = body->getSprite()) {
            sprite->play("flash_medium", 1.0F);
        }
    } else if (mine->time_remaining == FLASH_FAST_AT) {
        debugLog("Flash fast");
        if (const auto& sprite = body->getSprite()) {
            sprite->play("flash_fast", 1.0F);
        }
    }
    if (mine->time_remaining <= 0) {
        _splash(*body);
        detonateMine(entity, *body);
    }
}

bool MineUpdaterSystem::collidedWithPlayer(const BodyComponent& mine) const {
    Entity* player = getWorld()->getTagManager()->getEntity("player");
    auto* boat =
        player != nullptr ? player->getComponentAs<BodyComponent>(_bodyLookup.get()) : nullptr;
    if (boat == nullptr) {
        return false;
    }
    return mine.x_pos > boat->x_pos &&
           mine.x_pos < boat->x_pos + static_cast<float>(boat->getWidth()) &&
           mine.y_pos > boat->y_pos &&
           mine.y_pos < boat->y_pos + static_cast<float>(boat->getHeight());
}

void MineUpdaterSystem::_splash(const BodyComponent& mine) {
    const auto halfWidth =
        static_cast<float>(mine.getWidth() / 2); // NOLINT(bugprone-integer-division)
    GameEntityFactory::createSpash(mine.x_pos + halfWidth - MINE_SPLASH_CENTRE, SEA_SURFACE_Y,
                                   MINE_SPLASH_DROPS, MINE_SPLASH_WIDTH);
}

void MineUpdaterSystem::detonateMine(Entity& mine, const BodyComponent& body) {
    if (_audioDb) {
        _audioDb->playRandomSoundByName("depthrun.sounds.explode*");
    }
    for (std::int32_t i = 0; i < MINE_PIECES; ++i) {
        const std::string animation = randomExplosionAnimation();
        const float x = body.x_pos - MINE_PIECE_OFFSET +
                        static_cast<float>(Random::integer(0, MINE_PIECE_SPREAD));
        const float y = body.y_pos - MINE_PIECE_OFFSET +
                        static_cast<float>(Random::integer(0, MINE_PIECE_SPREAD));
        spawnExplosionPiece(x, y, animation, true);
    }
    getWorld()->deleteEntity(&mine);
    getWorld()->refreshEntity(&mine);
}

} // namespace tarvex::game
