#include "game/systems/FishSpawnerSystem.hpp"

#include "core/DebugLog.hpp"
#include "core/Random.hpp"
#include "core/TypeBuilder.hpp"
#include "game/GameEntityFactory.hpp"
#include "game/components/BodyComponent.hpp"
#include "game/components/WildlifeComponents.hpp"
#include "game/resources/GameLevelResource.hpp"
#include "graphics/TarvexGfx.hpp"

namespace tarvex::game {

namespace {

constexpr std::int32_t SIDE_MARGIN = 5; // fish start 5 to 214 across the 224-wide screen
constexpr std::int32_t FISH_SPAWN_TOP_DEPTH = 90;
constexpr std::int32_t FISH_SPAWN_DEPTH_RANGE = 180;
constexpr float MAX_SINK_SPEED = 50;
constexpr float WAVE_PHASES = 180; // degrees of the bob's starting phase
constexpr float FISH_SPAWN_BASE_SPEED = 5;
constexpr float FISH_SPAWN_SPEED_RANGE = 5;
constexpr float SPEED_JITTER = 4; // so speeds run from 1 to 14

} // namespace

const Type& FishSpawnerSystem::staticType() {
    static const Type& type =
        TypeBuilder<FishSpawnerSystem>("FishSpawnerSystem")
            .field("_renderer", &FishSpawnerSystem::_renderer, {{"autoload_service", "1"}})
            .field("_sessionDb", &FishSpawnerSystem::_sessionDb, {{"autoload_service", "1"}})
            .build();
    return type;
}

void FishSpawnerSystem::initialize() {
    IntervalEntitySystem::initialize();
    autoloadServices(true);
}

void FishSpawnerSystem::onEnabled() {
    auto level = _sessionDb ? _sessionDb->getCurrentLevel<GameLevelResource>() : nullptr;
    if (!level) {
        return;
    }
    for (std::int32_t i = 0; i < level->getNumberOfFish(); ++i) {
        createFish();
    }
}

void FishSpawnerSystem::onDisabled() {
    debugLog("FishSpawnerSystem->onDisabled");
}

Ref<Entity> FishSpawnerSystem::createFish() {
    auto fish = GameEntityFactory::createEntity();
    fish->setGroup("wildlife");
    auto body = std::make_shared<BodyComponent>();
    auto swimmer = std::make_shared<FishComponent>();
    const std::int32_t width = graphics::TarvexGfx::getGraphicsWidth();
    body->x_pos = static_cast<float>(Random::integer(SIDE_MARGIN, width - 2 * SIDE_MARGIN));
    body->y_pos =
        static_cast<float>(FISH_SPAWN_TOP_DEPTH + Random::integer(0, FISH_SPAWN_DEPTH_RANGE));
    body->y_max_velocity = MAX_SINK_SPEED;
    swimmer->_startX = body->x_pos;
    swimmer->_startY = body->y_pos;
    swimmer->_waveOffset = WAVE_PHASES * Random::real(0, 1);
    swimmer->direction = static_cast<std::uint8_t>(Random::integer(1, 2));
    body->sprite_name = "depthrun.objects.fish";
    body->animation_name = "depthrun.objects.fish_swim";
    if (swimmer->direction == FishComponent::DIRECTION_LEFT) {
        body->frameset_name = "swim_left";
        body->x_velocity = -FISH_SPAWN_BASE_SPEED - FISH_SPAWN_SPEED_RANGE * Random::real(0, 1);
    } else {
        body->frameset_name = "swim_right";
        body->x_velocity = FISH_SPAWN_BASE_SPEED + FISH_SPAWN_SPEED_RANGE * Random::real(0, 1);
    }
    body->x_velocity += SPEED_JITTER * Random::real(-1, 1);
    fish->addComponent(body);
    fish->addComponent(swimmer);
    fish->refresh();
    return fish;
}

} // namespace tarvex::game
