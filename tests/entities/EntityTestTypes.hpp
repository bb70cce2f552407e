// Components and systems shared by the entity tests. Every class here is registered by
// registerEntityTestTypes(), which each test calls before anything looks a component up by
// meta name (that map is built once per process).
#pragma once

#include "entities/DelayedEntitySystem.hpp"
#include "entities/EntityProcessingSystem.hpp"
#include "entities/InitializerEntitySystem.hpp"
#include "entities/IntervalEntitySystem.hpp"
#include "entities/SweeperEntitySystem.hpp"
#include "entities/World.hpp"
#include "kernel/GameService.hpp"

#include <functional>
#include <string>
#include <vector>

namespace tarvex::testing {

// Every hook of every recording component lands here, as "<meta name>.<hook>".
std::vector<std::string>& componentCalls();

class RecordingComponent : public EntityComponent {
    TARVEX_OBJECT(RecordingComponent, EntityComponent)
public:
    std::int32_t onDelete() override;
    std::int32_t onRemove() override;
    // Whether the component was still attached when its hook ran.
    bool attachedAtDelete = false;
};

class BodyComponent : public RecordingComponent {
    TARVEX_OBJECT(BodyComponent, RecordingComponent)
public:
    float x = 0;
};

class SubmarineComponent : public RecordingComponent {
    TARVEX_OBJECT(SubmarineComponent, RecordingComponent)
};

class FishComponent : public RecordingComponent {
    TARVEX_OBJECT(FishComponent, RecordingComponent)
};

class MineComponent : public RecordingComponent {
    TARVEX_OBJECT(MineComponent, RecordingComponent)
};

// What a recording system saw, in order: "added 3", "removed 3", "process 3", ...
struct SystemLog {
    std::vector<std::string> events;
    [[nodiscard]] std::int32_t count(const std::string& event) const;
};

// Processes entities holding a body.
class BodySystem : public EntityProcessingSystem {
    TARVEX_OBJECT(BodySystem, EntityProcessingSystem)
public:
    void processEntity(Entity& entity) override;
    void added(Entity& entity) override;
    void removed(Entity& entity) override;
    void cleanup() override { log.events.push_back("cleanup"); }
    std::vector<std::int32_t> processedIds() const;

    SystemLog log;
    std::function<void(Entity&)> onProcess; // optional extra work per entity
    std::function<void(Entity&)> onRemoved;
};

// Needs a submarine and a body; its metadata has blanks and a tab around the names.
class SubmarineBodySystem : public BodySystem {
    TARVEX_OBJECT(SubmarineBodySystem, BodySystem)
};

// Declares no components, or only unknown ones: never holds entities, still processes.
class SpawnerSystem : public BodySystem {
    TARVEX_OBJECT(SpawnerSystem, BodySystem)
public:
    void processEntities(const Bag<Entity>& entities) override;
    std::int32_t runs = 0;
};

class UnknownComponentsSystem : public BodySystem {
    TARVEX_OBJECT(UnknownComponentsSystem, BodySystem)
};

// Lookup fields: one of its own, one inherited from LookupBaseSystem.
class LookupBaseSystem : public BodySystem {
    TARVEX_OBJECT(LookupBaseSystem, BodySystem)
public:
    Ref<ComponentType> _inheritedLookup;
};

class LookupSystem : public LookupBaseSystem {
    TARVEX_OBJECT(LookupSystem, LookupBaseSystem)
public:
    Ref<ComponentType> _bodyLookup;
    Ref<ComponentType> _mineLookup;
    Ref<ComponentType> _untagged;
};

class BadLookupSystem : public BodySystem {
    TARVEX_OBJECT(BadLookupSystem, BodySystem)
public:
    Ref<ComponentType> _lookup;
};

class IntervalBodySystem : public IntervalEntityProcessingSystem {
    TARVEX_OBJECT(IntervalBodySystem, IntervalEntityProcessingSystem)
public:
    IntervalBodySystem() : IntervalEntityProcessingSystem(1000.0F) {}
    void processEntity(Entity& entity) override { processed.push_back(entity.getId()); }
    std::vector<std::int32_t> processed;
};

class DelayedBodySystem : public DelayedEntityProcessingSystem {
    TARVEX_OBJECT(DelayedBodySystem, DelayedEntityProcessingSystem)
public:
    void processEntity(Entity& entity) override;
    std::vector<std::int32_t> processed;
    std::vector<float> accumulated;
};

// Records every entity it sweeps and whether its body was still attached then.
class BodySweeperSystem : public SweeperEntityProcessingSystem {
    TARVEX_OBJECT(BodySweeperSystem, SweeperEntityProcessingSystem)
public:
    void processEntity(Entity& entity) override;
    std::vector<std::int32_t> swept;
    std::int32_t sweptWithBody = 0;
    std::function<void(Entity&)> onSweep;
};

class BodyInitializerSystem : public InitializerEntityProcessingSystem {
    TARVEX_OBJECT(BodyInitializerSystem, InitializerEntityProcessingSystem)
public:
    void processEntity(Entity& entity) override { initialized.push_back(entity.getId()); }
    std::vector<std::int32_t> initialized;
};

// A service that systems load from the kernel.
class SoundService : public GameService {
    TARVEX_OBJECT(SoundService, GameService)
public:
    SoundService() { init(); }
};

// Fills its services in initialize(), as game systems do.
class ServiceUsingSystem : public BodySystem {
    TARVEX_OBJECT(ServiceUsingSystem, BodySystem)
public:
    void initialize() override {
        BodySystem::initialize();
        autoloadServices(true);
    }
    Ref<SoundService> _sound;
    Ref<ComponentType> _bodyLookup;
};

void registerEntityTestTypes();

// The live entities of a bag, by id, in position order (null slots skipped).
std::vector<std::int32_t> idsOf(const Bag<Entity>* entities);

} // namespace tarvex::testing
