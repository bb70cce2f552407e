#include "game/systems/PlaneAiSystem.hpp"

#include "core/Random.hpp"
#include "core/TypeBuilder.hpp"
#include "entities/TagManager.hpp"
#include "entities/World.hpp"
#include "game/GameEntityFactory.hpp"
#include "game/components/BodyComponent.hpp"
#include "game/components/WildlifeComponents.hpp"
#include "graphics/TarvexGfx.hpp"

namespace tarvex::game {

namespace {

constexpr float DROP_CHANCE = 0.995F; // a draw above this drops: one in two hundred per step
constexpr float BOAT_CLEARANCE = 10;  // no drop while this close to being above the boat
constexpr float BELLY_X = 18;         // where the mine leaves the plane
constexpr float BELLY_Y = 8;
constexpr float MINE_FALL_SPEED = 20;
constexpr float GRAVITY = 9.8F;

} // namespace

const Type& PlaneAiSystem::staticType() {
    static const Type& type =
        TypeBuilder<PlaneAiSystem>("PlaneAiSystem")
            .meta("component_types", "MineLayerComponent")
            .field("_audioDb", &PlaneAiSystem::_audioDb, {{"autoload_service", "1"}})
            .field("_layerLookup", &PlaneAiSystem::_layerLookup,
                   {{"component_type", "MineLayerComponent"}})
            .field("_bodyLookup", &PlaneAiSystem::_bodyLookup,
                   {{"component_type", "BodyComponent"}})
            .build();
    return type;
}

void PlaneAiSystem::initialize() {
    EntityProcessingSystem::initialize();
    autoloadServices(true);
}

void PlaneAiSystem::processEntity(Entity& entity) {
    auto* layer = entity.getComponentAs<MineLayerComponent>(_layerLookup.get());
    auto* body = entity.getComponentAs<BodyComponent>(_bodyLookup.get());
    if (layer == nullptr || body == nullptr) {
        return;
    }
    World* world = getWorld();
    if (body->x_pos > static_cast<float>(graphics::TarvexGfx::getGraphicsWidth())) {
        world->deleteEntity(&entity); // flown off the right edge
        world->refreshEntity(&entity);
        return;
    }
    if (layer->has_dropped_mine) {
        return;
    }
    Entity* player = world->getTagManager()->getEntity("player");
    auto* boat =
        player != nullptr ? player->getComponentAs<BodyComponent>(_bodyLookup.get()) : nullptr;
    if (boat == nullptr) {
        return;
    }
    const bool leftOfBoat =
        body->x_pos + static_cast<float>(body->getWidth()) < boat->x_pos - BOAT_CLEARANCE;
    const bool rightOfBoat =
        body->x_pos > boat->x_pos + static_cast<float>(boat->getWidth()) + BOAT_CLEARANCE;
    if ((leftOfBoat || rightOfBoat) && Random::real(0, 1) > DROP_CHANCE) {
        layer->has_dropped_mine = true;
        dropMine(*body);
    }
}

Ref<Entity> PlaneAiSystem::dropMine(const BodyComponent& plane) {
    if (_audioDb) {
        _audioDb->playSoundResource("depthrun.sounds.mine_drop");
    }
    auto mine = GameEntityFactory::createEntity();
    mine->setGroup("mines");
    auto body = std::make_shared<BodyComponent>();
    body->sprite_name = "depthrun.objects.mine";
    body->animation_name = "depthrun.objects.mine_flash";
    body->frameset_name = "flash_slow";
    body->x_pos = plane.x_pos + BELLY_X;
    body->y_pos = plane.y_pos + BELLY_Y;
    body->y_velocity = MINE_FALL_SPEED;
    body->y_acceleration = GRAVITY;
    mine->addComponent(body);
    mine->addComponent(std::make_shared<MineComponent>());
    mine->refresh();
    return mine;
}

} // namespace tarvex::game
