#include "game/systems/SubmarineSpawnerSystem.hpp"

#include "core/DebugLog.hpp"
#include "core/Random.hpp"
#include "core/TextConversion.hpp"
#include "core/TypeBuilder.hpp"
#include "entities/World.hpp"
#include "game/GameEntityFactory.hpp"
#include "game/components/BodyComponent.hpp"
#include "game/components/EnemyComponents.hpp"
#include "game/components/ParticleGeneratorComponent.hpp"
#include "game/resources/GameLevelResource.hpp"
#include "graphics/TarvexGfx.hpp"

#include <string>

namespace tarvex::game {

namespace {

constexpr float SUB_SPAWN_CHANCE = 0.95F; // a draw above this goes on: one in twenty
constexpr std::int32_t SUB_TOP_DEPTH = 90;
constexpr std::int32_t SUB_DEPTH_RANGE = 180; // so depths run from 90 to 270
constexpr float CRUISE_SPEED = 8;
constexpr float SPEED_SPREAD = 4; // cruising speeds from 4 to 12
constexpr float RIGHT_START_X = -34;

} // namespace

const Type& SubmarineSpawnerSystem::staticType() {
    static const Type& type =
        TypeBuilder<SubmarineSpawnerSystem>("SubmarineSpawnerSystem")
            .field("_bodyLookup", &SubmarineSpawnerSystem::_bodyLookup,
                   {{"component_type", "BodyComponent"}})
            .field("_subLookup", &SubmarineSpawnerSystem::_subLookup,
                   {{"component_type", "SubmarineComponent"}})
            .field("_renderer", &SubmarineSpawnerSystem::_renderer, {{"autoload_service", "1"}})
            .field("_sessionDb", &SubmarineSpawnerSystem::_sessionDb, {{"autoload_service", "1"}})
            .build();
    return type;
}

void SubmarineSpawnerSystem::initialize() {
    IntervalEntitySystem::initialize();
    setInterval(SPAWN_INTERVAL);
    autoloadServices(true);
}

void SubmarineSpawnerSystem::processEntities(const Bag<Entity>& /*entities*/) {
    if (Random::real(0, 1) <= SUB_SPAWN_CHANCE) {
        return;
    }
    auto level = _sessionDb ? _sessionDb->getCurrentLevel<GameLevelResource>() : nullptr;
    if (!level) {
        return;
    }
    if (countSubmarines() < 2 * static_cast<std::int32_t>(level->getEnemiesToDestroy())) {
        createSubmarine();
    }
}

std::int32_t SubmarineSpawnerSystem::countSubmarines() const {
    return getWorld()->countEntitiesWithComponent(_subLookup.get());
}

Ref<Entity> SubmarineSpawnerSystem::createSubmarine() {
    auto level = _sessionDb ? _sessionDb->getCurrentLevel<GameLevelResource>() : nullptr;
    const bool sonar = level && level->isSonarEnabled();

    auto submarine = GameEntityFactory::createEntity();
    submarine->setGroup("enemies");
    auto sub = std::make_shared<SubmarineComponent>();
    sub->aggression = level ? level->getEnemyAggression() : 0;
    auto body = std::make_shared<BodyComponent>();
    body->y_pos = static_cast<float>(Random::integer(0, SUB_DEPTH_RANGE) + SUB_TOP_DEPTH);
    body->y_max_velocity = 50;
    body->sprite_alpha = 1.0F;

    auto propeller = std::make_shared<ParticleGeneratorComponent>();
    if (sonar) {
        // Hidden until a sonar pulse finds it, and no bubbles give it away.
        body->sprite_alpha = 0;
    } else {
        propeller->spawn_frequency = 0.9F;
        propeller->width = 1;
        propeller->height = 1;
        propeller->particle_lifespan = 2.0F;
        propeller->max_particles = 10;
        propeller->_particle_type = "BubbleParticle";
    }

    sub->direction = static_cast<std::uint8_t>(Random::integer(1, 2));
    if (sub->direction == SubmarineComponent::DIRECTION_LEFT) {
        body->x_pos = static_cast<float>(graphics::TarvexGfx::getGraphicsWidth());
        body->sprite_name = "depthrun.objects.submarine_left";
        body->x_velocity = -CRUISE_SPEED;
    } else {
        body->x_pos = RIGHT_START_X;
        body->sprite_name = "depthrun.objects.submarine_right";
        body->x_velocity = CRUISE_SPEED;
    }
    body->x_velocity += Random::real(-1, 1) * SPEED_SPREAD;
    submarine->addComponent(body);
    submarine->addComponent(sub);
    submarine->refresh();

    const std::int32_t id = submarine->getId();
    auto propellerEntity = GameEntityFactory::createEntity();
    propellerEntity->setTag("propeller_for_" + std::to_string(id));
    auto attachment = std::make_shared<PropellerComponent>();
    attachment->attached_to = id;
    propellerEntity->addComponent(propeller);
    propellerEntity->addComponent(attachment);
    propellerEntity->refresh();

    debugLog("Creating a sub: " + std::to_string(id));
    debugLog(" - x_velocity => " + floatToText(body->x_velocity));
    return submarine;
}

} // namespace tarvex::game
