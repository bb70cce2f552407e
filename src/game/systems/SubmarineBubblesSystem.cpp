#include "game/systems/SubmarineBubblesSystem.hpp"

#include "core/TypeBuilder.hpp"
#include "entities/World.hpp"
#include "game/components/BodyComponent.hpp"
#include "game/components/EnemyComponents.hpp"
#include "game/components/ParticleGeneratorComponent.hpp"

namespace tarvex::game {

namespace {

constexpr float PROPELLER_DEPTH = 6; // below the submarine's top

} // namespace

const Type& SubmarineBubblesSystem::staticType() {
    static const Type& type =
        TypeBuilder<SubmarineBubblesSystem>("SubmarineBubblesSystem")
            .meta("component_types", "PropellerComponent, ParticleGeneratorComponent")
            .field("_generatorLookup", &SubmarineBubblesSystem::_generatorLookup,
                   {{"component_type", "ParticleGeneratorComponent"}})
            .field("_bodyLookup", &SubmarineBubblesSystem::_bodyLookup,
                   {{"component_type", "BodyComponent"}})
            .field("_subLookup", &SubmarineBubblesSystem::_subLookup,
                   {{"component_type", "SubmarineComponent"}})
            .field("_propellerLookup", &SubmarineBubblesSystem::_propellerLookup,
                   {{"component_type", "PropellerComponent"}})
            .build();
    return type;
}

void SubmarineBubblesSystem::processEntity(Entity& entity) {
    auto* propeller = entity.getComponentAs<PropellerComponent>(_propellerLookup.get());
    auto* generator = entity.getComponentAs<ParticleGeneratorComponent>(_generatorLookup.get());
    if (propeller == nullptr || generator == nullptr) {
        return;
    }
    World* world = getWorld();
    const Ref<Entity>& submarine = world->getEntity(propeller->attached_to);
    auto* sub =
        submarine ? submarine->getComponentAs<SubmarineComponent>(_subLookup.get()) : nullptr;
    if (sub == nullptr) {
        world->deleteEntity(&entity);
        world->refreshEntity(&entity);
        return;
    }
    auto* body = submarine->getComponentAs<BodyComponent>(_bodyLookup.get());
    if (body == nullptr) {
        return;
    }
    generator->x_pos = body->x_pos;
    if (sub->direction == SubmarineComponent::DIRECTION_LEFT) {
        generator->x_pos += static_cast<float>(body->getWidth());
    }
    generator->y_pos = body->y_pos + PROPELLER_DEPTH;
}

} // namespace tarvex::game
