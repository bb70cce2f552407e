#include "game/systems/PlaneSpawnerSystem.hpp"

#include "core/Random.hpp"
#include "core/TypeBuilder.hpp"
#include "entities/TagManager.hpp"
#include "entities/World.hpp"
#include "game/GameEntityFactory.hpp"
#include "game/components/BodyComponent.hpp"
#include "game/components/WildlifeComponents.hpp"
#include "game/resources/GameLevelResource.hpp"

namespace tarvex::game {

namespace {

constexpr float PLANE_SPAWN_CHANCE = 0.95F; // a draw above this sends a plane: one in twenty
constexpr float ENTRY_X = -26;              // just off the left edge
constexpr std::int32_t TOP_ALTITUDE = 10;
constexpr std::int32_t ALTITUDE_RANGE = 10;
constexpr std::int32_t PLANE_BASE_SPEED = 50;
constexpr std::int32_t PLANE_SPEED_RANGE = 25;

} // namespace

const Type& PlaneSpawnerSystem::staticType() {
    static const Type& type =
        TypeBuilder<PlaneSpawnerSystem>("PlaneSpawnerSystem")
            .field("_renderer", &PlaneSpawnerSystem::_renderer, {{"autoload_service", "1"}})
            .field("_sessionDb", &PlaneSpawnerSystem::_sessionDb, {{"autoload_service", "1"}})
            .field("_audioDb", &PlaneSpawnerSystem::_audioDb, {{"autoload_service", "1"}})
            .field("_mineLookup", &PlaneSpawnerSystem::_mineLookup,
                   {{"component_type", "MineComponent"}})
            .build();
    return type;
}

void PlaneSpawnerSystem::initialize() {
    IntervalEntitySystem::initialize();
    autoloadServices(true);
}

void PlaneSpawnerSystem::processEntities(const Bag<Entity>& /*entities*/) {
    auto level = _sessionDb ? _sessionDb->getCurrentLevel<GameLevelResource>() : nullptr;
    if (!level || level->getMineFrequency() == 0) {
        return;
    }
    World* world = getWorld();
    if (world->countEntitiesWithComponent(_mineLookup.get()) >= level->getMineFrequency()) {
        return;
    }
    if (world->getTagManager()->getEntity("plane") != nullptr) {
        return; // one plane at a time
    }
    if (Random::real(0, 1) > PLANE_SPAWN_CHANCE) {
        createMineLayer();
    }
}

Ref<Entity> PlaneSpawnerSystem::createMineLayer() {
    if (_audioDb) {
        _audioDb->playSoundResource("depthrun.sounds.plane");
    }
    auto plane = GameEntityFactory::createEntity();
    plane->setTag("plane");
    plane->setGroup("enemies");
    auto body = std::make_shared<BodyComponent>();
    body->sprite_name = "depthrun.objects.mine_layer";
    body->animation_name = "depthrun.objects.mine_layer_anim";
    body->x_pos = ENTRY_X;
    body->y_pos = static_cast<float>(TOP_ALTITUDE + Random::integer(0, ALTITUDE_RANGE));
    body->x_velocity = static_cast<float>(PLANE_BASE_SPEED + Random::integer(0, PLANE_SPEED_RANGE));
    plane->addComponent(body);
    plane->addComponent(std::make_shared<MineLayerComponent>());
    plane->refresh();
    return plane;
}

} // namespace tarvex::game
