#include "EntityTestTypes.hpp"

#include "core/TypeBuilder.hpp"
#include "core/TypeRegistry.hpp"
#include "entities/EntityTypes.hpp"

#include <algorithm>

namespace tarvex::testing {

std::vector<std::string>& componentCalls() {
    static std::vector<std::string> calls;
    return calls;
}

std::int32_t RecordingComponent::onDelete() {
    attachedAtDelete = getParent() != nullptr && getParent()->getComponents().contains(this);
    componentCalls().push_back(getType().getMetadata("name") + ".onDelete");
    return 0;
}

std::int32_t RecordingComponent::onRemove() {
    componentCalls().push_back(getType().getMetadata("name") + ".onRemove");
    return 0;
}

std::int32_t SystemLog::count(const std::string& event) const {
    return static_cast<std::int32_t>(std::count(events.begin(), events.end(), event));
}

void BodySystem::processEntity(Entity& entity) {
    log.events.push_back("process " + std::to_string(entity.getId()));
    if (onProcess) {
        onProcess(entity);
    }
}

void BodySystem::added(Entity& entity) {
    log.events.push_back("added " + std::to_string(entity.getId()));
}

void BodySystem::removed(Entity& entity) {
    log.events.push_back("removed " + std::to_string(entity.getId()));
    if (onRemoved) {
        onRemoved(entity);
    }
}

std::vector<std::int32_t> BodySystem::processedIds() const {
    std::vector<std::int32_t> ids;
    for (const auto& event : log.events) {
        if (event.rfind("process ", 0) == 0) {
            ids.push_back(std::stoi(event.substr(8)));
        }
    }
    return ids;
}

void SpawnerSystem::processEntities(const Bag<Entity>& entities) {
    ++runs;
    BodySystem::processEntities(entities);
}

void DelayedBodySystem::processEntity(Entity& entity) {
    processed.push_back(entity.getId());
    accumulated.push_back(getAccumulatedDelta());
}

void BodySweeperSystem::processEntity(Entity& entity) {
    swept.push_back(entity.getId());
    if (entity.getComponentAs<BodyComponent>() != nullptr) {
        ++sweptWithBody;
    }
    if (onSweep) {
        onSweep(entity);
    }
}

const Type& RecordingComponent::staticType() {
    static const Type& type =
        TypeBuilder<RecordingComponent>("RecordingComponent").meta("name", "recording").build();
    return type;
}

const Type& BodyComponent::staticType() {
    static const Type& type = TypeBuilder<BodyComponent>("BodyComponent")
                                  .meta("name", "body")
                                  .field("x", &BodyComponent::x)
                                  .build();
    return type;
}

const Type& SubmarineComponent::staticType() {
    static const Type& type =
        TypeBuilder<SubmarineComponent>("SubmarineComponent").meta("name", "submarine").build();
    return type;
}

const Type& FishComponent::staticType() {
    static const Type& type =
        TypeBuilder<FishComponent>("FishComponent").meta("name", "fish").build();
    return type;
}

const Type& MineComponent::staticType() {
    static const Type& type =
        TypeBuilder<MineComponent>("MineComponent").meta("name", "mine").build();
    return type;
}

const Type& BodySystem::staticType() {
    static const Type& type =
        TypeBuilder<BodySystem>("BodySystem").meta("component_types", "BodyComponent").build();
    return type;
}

const Type& SubmarineBodySystem::staticType() {
    static const Type& type = TypeBuilder<SubmarineBodySystem>("SubmarineBodySystem")
                                  .meta("component_types", " SubmarineComponent,\tBodyComponent ")
                                  .build();
    return type;
}

const Type& SpawnerSystem::staticType() {
    static const Type& type = TypeBuilder<SpawnerSystem>("SpawnerSystem").build();
    return type;
}

const Type& UnknownComponentsSystem::staticType() {
    static const Type& type = TypeBuilder<UnknownComponentsSystem>("UnknownComponentsSystem")
                                  .meta("component_types", "NoSuchComponent, AlsoMissing")
                                  .build();
    return type;
}

const Type& LookupBaseSystem::staticType() {
    static const Type& type = TypeBuilder<LookupBaseSystem>("LookupBaseSystem")
                                  .meta("component_types", "BodyComponent")
                                  .field("_inheritedLookup", &LookupBaseSystem::_inheritedLookup,
                                         {{"component_type", "FishComponent"}})
                                  .build();
    return type;
}

const Type& LookupSystem::staticType() {
    static const Type& type =
        TypeBuilder<LookupSystem>("LookupSystem")
            .meta("component_types", "BodyComponent")
            .field("_bodyLookup", &LookupSystem::_bodyLookup, {{"component_type", "BodyComponent"}})
            .field("_mineLookup", &LookupSystem::_mineLookup, {{"component_type", "MineComponent"}})
            .field("_untagged", &LookupSystem::_untagged)
            .build();
    return type;
}

const Type& BadLookupSystem::staticType() {
    static const Type& type =
        TypeBuilder<BadLookupSystem>("BadLookupSystem")
            .meta("component_types", "BodyComponent")
            .field("_lookup", &BadLookupSystem::_lookup, {{"component_type", "NoSuchComponent"}})
            .build();
    return type;
}

const Type& IntervalBodySystem::staticType() {
    static const Type& type = TypeBuilder<IntervalBodySystem>("IntervalBodySystem")
                                  .meta("component_types", "BodyComponent")
                                  .build();
    return type;
}

const Type& DelayedBodySystem::staticType() {
    static const Type& type = TypeBuilder<DelayedBodySystem>("DelayedBodySystem")
                                  .meta("component_types", "BodyComponent")
                                  .build();
    return type;
}

const Type& BodySweeperSystem::staticType() {
    static const Type& type = TypeBuilder<BodySweeperSystem>("BodySweeperSystem")
                                  .meta("component_types", "BodyComponent")
                                  .build();
    return type;
}

const Type& BodyInitializerSystem::staticType() {
    static const Type& type = TypeBuilder<BodyInitializerSystem>("BodyInitializerSystem")
                                  .meta("component_types", "BodyComponent")
                                  .build();
    return type;
}

const Type& SoundService::staticType() {
    static const Type& type = TypeBuilder<SoundService>("SoundService").build();
    return type;
}

const Type& ServiceUsingSystem::staticType() {
    static const Type& type =
        TypeBuilder<ServiceUsingSystem>("ServiceUsingSystem")
            .meta("component_types", "BodyComponent")
            .field("_sound", &ServiceUsingSystem::_sound, {{"autoload_service", "1"}})
            .field("_bodyLookup", &ServiceUsingSystem::_bodyLookup,
                   {{"component_type", "BodyComponent"}})
            .build();
    return type;
}

void registerEntityTestTypes() {
    registerEntityTypes();
    TypeRegistry::instance()
        .add<RecordingComponent, BodyComponent, SubmarineComponent, FishComponent, MineComponent,
             BodySystem, SubmarineBodySystem, SpawnerSystem, UnknownComponentsSystem,
             LookupBaseSystem, LookupSystem, BadLookupSystem, IntervalBodySystem, DelayedBodySystem,
             BodySweeperSystem, BodyInitializerSystem, SoundService, ServiceUsingSystem>();
    componentCalls().clear();
}

std::vector<std::int32_t> idsOf(const Bag<Entity>* entities) {
    std::vector<std::int32_t> ids;
    if (entities != nullptr) {
        for (const auto& entity : *entities) {
            if (entity) {
                ids.push_back(entity->getId());
            }
        }
    }
    return ids;
}

} // namespace tarvex::testing
