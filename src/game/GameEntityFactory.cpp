#include "game/GameEntityFactory.hpp"

#include "core/Error.hpp"
#include "core/Random.hpp"
#include "core/TypeBuilder.hpp"
#include "game/components/BodyComponent.hpp"
#include "game/components/ParticleGeneratorComponent.hpp"
#include "game/components/PlayerComponents.hpp"
#include "game/components/WeaponComponents.hpp"
#include "graphics/TarvexGfx.hpp"

#include <string>

namespace tarvex::game {

namespace {

World* factoryWorld = nullptr; // not owned: the entity service owns its world

constexpr float BOAT_HALF_WIDTH = 24;
constexpr float BOAT_Y = 55;
constexpr float EMITTER_DROP = 13; // the emitters sit on the boat's deck

} // namespace

const Type& GameEntityFactory::staticType() {
    static const Type& type = TypeBuilder<GameEntityFactory>("GameEntityFactory").build();
    return type;
}

void GameEntityFactory::setWorld(World* world) {
    factoryWorld = world;
}

World* GameEntityFactory::getWorld() {
    return factoryWorld;
}

Ref<Entity> GameEntityFactory::createEntity() {
    if (factoryWorld == nullptr) {
        throw Error("GameEntityFactory has no world");
    }
    return factoryWorld->createEntity();
}

Ref<Entity> GameEntityFactory::createPlayer() {
    auto player = createEntity();
    player->setTag("player");
    player->addComponent(std::make_shared<PlayerComponent>());
    player->addComponent(HealthComponent::Create(5.0F));
    auto body = std::make_shared<BodyComponent>();
    body->sprite_name = "depthrun.objects.player";
    // Integer halving on purpose: 88 on the 224-wide screen.
    const std::int32_t halfWidth = graphics::TarvexGfx::getGraphicsWidth() / 2;
    body->x_pos = static_cast<float>(halfWidth) - BOAT_HALF_WIDTH;
    body->y_pos = BOAT_Y;
    body->x_max_velocity = 25;
    body->x_drag = 10;
    player->addComponent(body);
    player->refresh();
    createSmokeGenerator(body->x_pos, body->y_pos + EMITTER_DROP, 48, 2);
    createFireGenerator(body->x_pos, body->y_pos + EMITTER_DROP, 48, 2);
    return player;
}

void GameEntityFactory::_createEmitter(float x, float y, std::int32_t width, std::int32_t height,
                                       const char* particleType) {
    auto emitter = createEntity();
    auto generator = std::make_shared<ParticleGeneratorComponent>();
    generator->spawn_frequency = 0;
    generator->x_pos = x;
    generator->y_pos = y;
    generator->width = static_cast<float>(width);
    generator->height = static_cast<float>(height);
    generator->particle_lifespan = 2.0F;
    generator->_particle_type = particleType;
    emitter->addComponent(generator);
    emitter->addComponent(std::make_shared<SmokeComponent>());
    emitter->refresh();
}

void GameEntityFactory::createSmokeGenerator(float x, float y, std::int32_t width,
                                             std::int32_t height) {
    _createEmitter(x, y, width, height, "SmokeParticle");
}

void GameEntityFactory::createFireGenerator(float x, float y, std::int32_t width,
                                            std::int32_t height) {
    _createEmitter(x, y, width, height, "FireParticle");
}

Ref<Entity> GameEntityFactory::createSonarWave() {
    auto wave = createEntity();
    wave->setTag("sonar_wave");
    auto body = std::make_shared<BodyComponent>();
    body->x_pos = 0;
    body->y_pos = 72;
    body->sprite_name = "depthrun.objects.sonar_wave";
    body->y_velocity = 100;
    body->sprite_alpha = 0.5F;
    wave->addComponent(body);
    wave->addComponent(std::make_shared<SonarWaveComponent>());
    wave->refresh();
    return wave;
}

Ref<Entity> GameEntityFactory::createSpash(float x, float y, std::int32_t count, float width) {
    auto splash = createEntity();
    auto generator = std::make_shared<ParticleGeneratorComponent>();
    generator->spawn_frequency = -1.0F;
    generator->x_pos = x;
    generator->y_pos = y;
    generator->width = width;
    generator->particle_lifespan = 2.0F;
    generator->max_particles = count;
    generator->_particle_type = "WaterSplashParticle";
    splash->addComponent(generator);
    splash->refresh();
    return nullptr;
}

void GameEntityFactory::createExplosion(float x, float y, std::int32_t spread, std::int32_t count,
                                        bool /*flag*/) {
    const auto half = static_cast<float>(spread / 2); // NOLINT(bugprone-integer-division)
    const auto range = static_cast<float>(spread);
    for (std::int32_t i = 1; i <= count; ++i) {
        auto piece = createEntity();
        auto body = std::make_shared<BodyComponent>();
        body->sprite_name = "depthrun.particles.explosion.small";
        body->animation_name =
            "depthrun.particles.animations.splode" + std::to_string(Random::integer(1, 8));
        body->x_pos = x - half + Random::real(0, range);
        body->y_pos = y - half + Random::real(0, range);
        auto explosion = std::make_shared<ExplosionComponent>();
        explosion->damages_player = false;
        explosion->damages_enemy = true;
        piece->addComponent(explosion);
        piece->addComponent(body);
        piece->refresh();
    }
}

} // namespace tarvex::game
