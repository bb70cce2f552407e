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

void BodySystem::processEntity(Entity& entity) {
    log.push_back("process " + idText(entity));
    if (onProcess) {
        onProcess(entity);
    }
}

void BodySystem::removed(Entity& entity) {
    log.push_back("removed " + idText(entity));
    if (onRemoved) {
        onRemoved(entity);
    }
}

std::int32_t BodySystem::count(const std::string& event) const {
    return static_cast<std::int32_t>(std::count(log.begin(), log.end(), event));
}

std::vector<std::int32_t> BodySystem::processedIds() const {
    std::vector<std::int32_t> ids;
    for (const auto& event : log) {
        if (event.starts_with("process ")) {
            ids.push_back(std::stoi(event.substr(8)));
        }
    }
    return ids;
}

void BodySweeperSystem::processEntity(Entity& entity) {
    swept.push_back(entity.getId());
    sweptWithBody += entity.getComponentAs<BodyComponent>() != nullptr ? 1 : 0;
    if (onSweep) {
        onSweep(entity);
    }
}

// The type blocks, one per class: name, then metadata and fields.
#define TARVEX_TEST_TYPE(Class, ...)                                                               \
    const Type& Class::staticType() {                                                              \
        static const Type& type = TypeBuilder<Class>(#Class) __VA_ARGS__.build();                  \
        return type;                                                                               \
    }

TARVEX_TEST_TYPE(RecordingComponent, .meta("name", "recording"))
TARVEX_TEST_TYPE(BodyComponent, .meta("name", "body"))
TARVEX_TEST_TYPE(SubmarineComponent, .meta("name", "submarine"))
TARVEX_TEST_TYPE(FishComponent, .meta("name", "fish"))
TARVEX_TEST_TYPE(MineComponent, .meta("name", "mine"))
TARVEX_TEST_TYPE(BodySystem, .meta("component_types", "BodyComponent"))
TARVEX_TEST_TYPE(SubmarineBodySystem,
                 .meta("component_types", " SubmarineComponent,\tBodyComponent "))
TARVEX_TEST_TYPE(SpawnerSystem, )
TARVEX_TEST_TYPE(UnknownComponentsSystem, .meta("component_types", "NoSuchComponent, Missing"))
TARVEX_TEST_TYPE(LookupBaseSystem, .field("_inheritedLookup", &LookupBaseSystem::_inheritedLookup,
                                          {{"component_type", "FishComponent"}}))
TARVEX_TEST_TYPE(SoundService, )
TARVEX_TEST_TYPE(ServiceUsingSystem,
                 .meta("component_types", "BodyComponent")
                     .field("_bodyLookup", &ServiceUsingSystem::_bodyLookup,
                            {{"component_type", "BodyComponent"}})
                     .field("_untaggedLookup", &ServiceUsingSystem::_untaggedLookup)
                     .field("_sound", &ServiceUsingSystem::_sound, {{"autoload_service", "1"}}))
TARVEX_TEST_TYPE(BadLookupSystem,
                 .field("_lookup", &BadLookupSystem::_lookup, {{"component_type", "Nothing"}}))
TARVEX_TEST_TYPE(IntervalBodySystem, .meta("component_types", "BodyComponent"))
TARVEX_TEST_TYPE(DelayedBodySystem, .meta("component_types", "BodyComponent"))
TARVEX_TEST_TYPE(BodySweeperSystem, .meta("component_types", "BodyComponent"))
TARVEX_TEST_TYPE(BodyInitializerSystem, .meta("component_types", "BodyComponent"))

void registerEntityTestTypes() {
    registerEntityTypes();
    TypeRegistry::instance()
        .add<RecordingComponent, BodyComponent, SubmarineComponent, FishComponent, MineComponent,
             BodySystem, SubmarineBodySystem, SpawnerSystem, LookupBaseSystem, SoundService,
             ServiceUsingSystem, IntervalBodySystem, DelayedBodySystem, BodySweeperSystem,
             BodyInitializerSystem>();
    // UnknownComponentsSystem and BadLookupSystem name classes that do not exist: they stay out
    // of the registry, whose start-up check would refuse them.
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
