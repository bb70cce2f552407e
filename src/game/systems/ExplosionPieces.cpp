#include "game/systems/ExplosionPieces.hpp"

#include "core/Random.hpp"
#include "game/GameEntityFactory.hpp"
#include "game/components/BodyComponent.hpp"
#include "game/components/WeaponComponents.hpp"

namespace tarvex::game {

std::string randomExplosionAnimation() {
    return "depthrun.particles.animations.splode" + std::to_string(Random::integer(1, 8));
}

Ref<Entity> spawnExplosionPiece(float x, float y, const std::string& animation,
                                bool damagesPlayer) {
    auto piece = GameEntityFactory::createEntity();
    auto body = std::make_shared<BodyComponent>();
    body->sprite_name = "depthrun.particles.explosion.small";
    body->animation_name = animation;
    body->x_pos = x;
    body->y_pos = y;
    auto explosion = std::make_shared<ExplosionComponent>();
    explosion->damages_player = damagesPlayer;
    explosion->damages_enemy = false;
    piece->addComponent(body);
    piece->addComponent(explosion);
    piece->refresh();
    return piece;
}

} // namespace tarvex::game
