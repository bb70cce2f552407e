// The small explosions that enemies leave behind: one piece is an entity with the small
// explosion sprite playing one of the eight "splode" animations (drawn at random) and an
// ExplosionComponent that never hurts enemies. Missiles and mines make pieces that hurt the
// boat; sinking wrecks make harmless flashes.
//
//     auto animation = randomExplosionAnimation();
//     spawnExplosionPiece(x, y, animation, true);   // hurts the boat
#pragma once

#include "entities/Entity.hpp"

#include <string>

namespace tarvex::game {

// "depthrun.particles.animations.splode" followed by a random digit from 1 to 8.
[[nodiscard]] std::string randomExplosionAnimation();

// One piece at exactly (x, y) in the factory's world, refreshed; answers it.
Ref<Entity> spawnExplosionPiece(float x, float y, const std::string& animation, bool damagesPlayer);

} // namespace tarvex::game
