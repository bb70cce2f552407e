// Builds the game objects made in code: the player's boat with its smoke and fire emitters,
// sonar pulses, water splashes and explosions. The factory creates entities in the world it is
// given (the gameplay screen gives it the entity service's world when it loads); every entity
// is refreshed once complete, so the systems receive it at the start of the next world step.
//
//     GameEntityFactory::setWorld(entities->getWorld());
//     auto boat = GameEntityFactory::createPlayer();
//     GameEntityFactory::createExplosion(x, y, 12, 8, true);
#pragma once

#include "entities/Entity.hpp"
#include "entities/World.hpp"

#include <cstdint>
#include <vector>

namespace tarvex::game {

class GameEntityFactory : public Object {
    TARVEX_OBJECT(GameEntityFactory, Object)
public:
    // The world entities are made in; the caller keeps it alive while the factory uses it.
    static void setWorld(World* world);
    [[nodiscard]] static World* getWorld();

    // A new entity of the factory's world.
    static Ref<Entity> createEntity();
    // The boat, tagged "player", centred on the surface, with its smoke and fire emitters.
    static Ref<Entity> createPlayer();
    static void createSmokeGenerator(float x, float y, std::int32_t width, std::int32_t height);
    static void createFireGenerator(float x, float y, std::int32_t width, std::int32_t height);
    // A pulse tagged "sonar_wave" that sweeps down from the surface.
    static Ref<Entity> createSonarWave();
    // A one-off burst of `count` water drops; answers null.
    static Ref<Entity> createSpash(float x, float y, std::int32_t count, float width);
    // `count` explosion pieces scattered over a square of `spread` around (x, y), each playing
    // one of the eight explosion animations; answers the pieces. The flag does not change the
    // result.
    static std::vector<Ref<Entity>> createExplosion(float x, float y, std::int32_t spread,
                                                    std::int32_t count, bool flag);

private:
    static void _createEmitter(float x, float y, std::int32_t width, std::int32_t height,
                               const char* particleType);
};

} // namespace tarvex::game
