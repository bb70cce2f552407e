// Components, systems and a fixture shared by the entity tests. registerEntityTestTypes()
// registers every class here before anything looks a component up by meta name (that map is
// built once per process).
#pragma once

#include "entities/DelayedEntitySystem.hpp"
#include "entities/EntityManager.hpp"
#include "entities/EntityProcessingSystem.hpp"
#include "entities/InitializerEntitySystem.hpp"
#include "entities/IntervalEntitySystem.hpp"
#include "entities/SweeperEntitySystem.hpp"
#include "entities/SystemManager.hpp"
#include "entities/World.hpp"
#include "kernel/GameService.hpp"

#include <functional>
#include <gtest/gtest.h>
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
    bool attachedAtDelete = false; // still in its entity's list when onDelete() ran
};

#define TARVEX_TEST_COMPONENT(Name)                                                                \
    class Name : public RecordingComponent {                                                       \
        TARVEX_OBJECT(Name, RecordingComponent)                                                    \
    };
TARVEX_TEST_COMPONENT(BodyComponent)
TARVEX_TEST_COMPONENT(SubmarineComponent)
TARVEX_TEST_COMPONENT(FishComponent)
TARVEX_TEST_COMPONENT(MineComponent)

// Logs "run" per processing pass, "added 3", "process 3", "removed 3" and "cleanup".
class BodySystem : public EntityProcessingSystem {
    TARVEX_OBJECT(BodySystem, EntityProcessingSystem)
public:
    void beforeProcessEntities() override { log.push_back("run"); }
    void processEntity(Entity& entity) override;
    void added(Entity& entity) override { log.push_back("added " + idText(entity)); }
    void removed(Entity& entity) override;
    void cleanup() override { log.push_back("cleanup"); }
    [[nodiscard]] std::int32_t count(const std::string& event) const;
    [[nodiscard]] std::vector<std::int32_t> processedIds() const;
    static std::string idText(const Entity& entity) { return std::to_string(entity.getId()); }

    std::vector<std::string> log;
    std::function<void(Entity&)> onProcess;
    std::function<void(Entity&)> onRemoved;
};

#define TARVEX_TEST_SYSTEM(Name, Base)                                                             \
    class Name : public Base {                                                                     \
        TARVEX_OBJECT(Name, Base)                                                                  \
    };
// Needs a submarine and a body; its metadata has blanks and a tab around the names.
TARVEX_TEST_SYSTEM(SubmarineBodySystem, BodySystem)
// No metadata of its own (a base's is not inherited): holds nothing, still runs.
TARVEX_TEST_SYSTEM(SpawnerSystem, BodySystem)
TARVEX_TEST_SYSTEM(UnknownComponentsSystem, BodySystem)

class LookupBaseSystem : public BodySystem {
    TARVEX_OBJECT(LookupBaseSystem, BodySystem)
public:
    Ref<ComponentType> _inheritedLookup;
};

class SoundService : public GameService {
    TARVEX_OBJECT(SoundService, GameService)
public:
    SoundService() { init(); }
};

// Fills its lookups and then its tagged services in initialize(), as game systems do.
class ServiceUsingSystem : public LookupBaseSystem {
    TARVEX_OBJECT(ServiceUsingSystem, LookupBaseSystem)
public:
    void initialize() override {
        LookupBaseSystem::initialize();
        autoloadServices(true);
    }
    Ref<ComponentType> _bodyLookup;
    Ref<ComponentType> _untaggedLookup;
    Ref<SoundService> _sound;
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
    void processEntity(Entity& /*entity*/) override {
        accumulated.push_back(getAccumulatedDelta());
    }
    std::vector<float> accumulated;
};

// Records every entity it sweeps and how many still held a body then.
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

void registerEntityTestTypes();

// The entities of a bag, by id, in position order (null slots skipped).
std::vector<std::int32_t> idsOf(const Bag<Entity>* entities);

template <class T> const ComponentType* typeOf() {
    return ComponentTypeManager::getTypeFor<T>().get();
}

// A world with the test types registered.
class WorldFixture : public ::testing::Test {
protected:
    void SetUp() override { registerEntityTestTypes(); }

    template <class S> Ref<S> addSystem() {
        auto system = std::make_shared<S>();
        world.getSystemManager()->addSystem(system);
        return system;
    }
    // A new entity holding a body (and the given extra components), refreshed.
    template <class... Extra> Ref<Entity> makeBody() {
        auto entity = world.createEntity();
        entity->addComponent(std::make_shared<BodyComponent>());
        (entity->addComponent(std::make_shared<Extra>()), ...);
        entity->refresh();
        return entity;
    }

    World world;
    EntityManager& entities = *world.getEntityManager();
};

} // namespace tarvex::testing
