// World step and entity churn. Every heap allocation of the process is counted, so each
// benchmark reports how many happen inside the world steps; in steady play that must be zero.
//
//     bench_entities --benchmark_counters_tabular=true
#include "core/TypeBuilder.hpp"
#include "core/TypeRegistry.hpp"
#include "entities/EntityComponentMapper.hpp"
#include "entities/EntityManager.hpp"
#include "entities/EntityProcessingSystem.hpp"
#include "entities/EntityTypes.hpp"
#include "entities/SystemManager.hpp"
#include "entities/World.hpp"
#include "support/AllocationCounter.hpp"

#include <atomic>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <new>

namespace tarvex {
namespace {

// Position and motion, like the game's body.
class Body : public EntityComponent {
    TARVEX_OBJECT(Body, EntityComponent)
public:
    float x = 0;
    float y = 0;
    float xVelocity = 10;
    float yVelocity = 0;
    float yAcceleration = 9.8F;
    float opacity = 1;
};

class Timer : public EntityComponent {
    TARVEX_OBJECT(Timer, EntityComponent)
public:
    float elapsed = 0;
};

class Sprite : public EntityComponent {
    TARVEX_OBJECT(Sprite, EntityComponent)
public:
    std::int32_t frame = 0;
};

class AccelerationSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(AccelerationSystem, EntityProcessingSystem)
public:
    void processEntity(Entity& entity) override {
        auto* body = entity.getComponentAs<Body>(_bodyLookup.get());
        body->yVelocity += body->yAcceleration / 1000 * getWorld()->getDelta();
    }
    Ref<ComponentType> _bodyLookup;
};

class MovementSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(MovementSystem, EntityProcessingSystem)
public:
    void processEntity(Entity& entity) override {
        auto* body = entity.getComponentAs<Body>(_bodyLookup.get());
        const float dt = getWorld()->getDelta() / 1000;
        body->x += body->xVelocity * dt;
        body->y += body->yVelocity * dt;
    }
    Ref<ComponentType> _bodyLookup;
};

class WrapSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(WrapSystem, EntityProcessingSystem)
public:
    void processEntity(Entity& entity) override {
        auto* body = entity.getComponentAs<Body>(_bodyLookup.get());
        if (body->x > 224) {
            body->x -= 224;
        }
        if (body->y > 288) {
            body->y -= 288;
            body->yVelocity = 0;
        }
    }
    Ref<ComponentType> _bodyLookup;
};

// The same three systems fetching through a mapper, as the game's systems do.
class MappedAccelerationSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(MappedAccelerationSystem, EntityProcessingSystem)
public:
    void initialize() override { _bodies.initialize(&Body::staticType(), getWorld()); }
    void processEntity(Entity& entity) override {
        auto* body = _bodies.get<Body>(entity);
        body->yVelocity += body->yAcceleration / 1000 * getWorld()->getDelta();
    }

private:
    EntityComponentMapper _bodies;
};

class MappedMovementSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(MappedMovementSystem, EntityProcessingSystem)
public:
    void initialize() override { _bodies.initialize(&Body::staticType(), getWorld()); }
    void processEntity(Entity& entity) override {
        auto* body = _bodies.get<Body>(entity);
        const float dt = getWorld()->getDelta() / 1000;
        body->x += body->xVelocity * dt;
        body->y += body->yVelocity * dt;
    }

private:
    EntityComponentMapper _bodies;
};

class MappedWrapSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(MappedWrapSystem, EntityProcessingSystem)
public:
    void initialize() override { _bodies.initialize(&Body::staticType(), getWorld()); }
    void processEntity(Entity& entity) override {
        auto* body = _bodies.get<Body>(entity);
        if (body->x > 224) {
            body->x -= 224;
        }
        if (body->y > 288) {
            body->y -= 288;
            body->yVelocity = 0;
        }
    }

private:
    EntityComponentMapper _bodies;
};

// Churn systems: each needs the body and one more component.
class TimerSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(TimerSystem, EntityProcessingSystem)
public:
    void processEntity(Entity& entity) override {
        entity.getComponentAs<Timer>(_timerLookup.get())->elapsed += getWorld()->getDelta();
    }
    Ref<ComponentType> _timerLookup;
};

class AnimationSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(AnimationSystem, EntityProcessingSystem)
public:
    void processEntity(Entity& entity) override {
        ++entity.getComponentAs<Sprite>(_spriteLookup.get())->frame;
    }
    Ref<ComponentType> _spriteLookup;
};

const Type& Body::staticType() {
    static const Type& type = TypeBuilder<Body>("Body").meta("name", "body").build();
    return type;
}
const Type& Timer::staticType() {
    static const Type& type = TypeBuilder<Timer>("Timer").meta("name", "timer").build();
    return type;
}
const Type& Sprite::staticType() {
    static const Type& type = TypeBuilder<Sprite>("Sprite").meta("name", "sprite").build();
    return type;
}

template <class S> const Type& bodySystemType(const char* name, const char* components) {
    static const Type& type =
        TypeBuilder<S>(name)
            .meta("component_types", components)
            .field("_bodyLookup", &S::_bodyLookup, {{"component_type", "Body"}})
            .build();
    return type;
}

const Type& AccelerationSystem::staticType() {
    return bodySystemType<AccelerationSystem>("AccelerationSystem", "Body");
}
const Type& MovementSystem::staticType() {
    return bodySystemType<MovementSystem>("MovementSystem", "Body");
}
const Type& WrapSystem::staticType() {
    return bodySystemType<WrapSystem>("WrapSystem", "Body");
}
const Type& MappedAccelerationSystem::staticType() {
    static const Type& type = TypeBuilder<MappedAccelerationSystem>("MappedAccelerationSystem")
                                  .meta("component_types", "Body")
                                  .build();
    return type;
}
const Type& MappedMovementSystem::staticType() {
    static const Type& type = TypeBuilder<MappedMovementSystem>("MappedMovementSystem")
                                  .meta("component_types", "Body")
                                  .build();
    return type;
}
const Type& MappedWrapSystem::staticType() {
    static const Type& type =
        TypeBuilder<MappedWrapSystem>("MappedWrapSystem").meta("component_types", "Body").build();
    return type;
}
const Type& TimerSystem::staticType() {
    static const Type& type =
        TypeBuilder<TimerSystem>("TimerSystem")
            .meta("component_types", "Body, Timer")
            .field("_timerLookup", &TimerSystem::_timerLookup, {{"component_type", "Timer"}})
            .build();
    return type;
}
const Type& AnimationSystem::staticType() {
    static const Type& type =
        TypeBuilder<AnimationSystem>("AnimationSystem")
            .meta("component_types", "Body, Sprite")
            .field("_spriteLookup", &AnimationSystem::_spriteLookup, {{"component_type", "Sprite"}})
            .build();
    return type;
}

void registerBenchTypes() {
    registerEntityTypes();
    TypeRegistry::instance()
        .add<Body, Timer, Sprite, AccelerationSystem, MovementSystem, WrapSystem,
             MappedAccelerationSystem, MappedMovementSystem, MappedWrapSystem, TimerSystem,
             AnimationSystem>();
}

constexpr float STEP = 16.0F;

// (a) One step over N bodies, each processed by three systems; the systems fetch the body
// through the entity (WorldStep) or through a mapper (WorldStepMapped).
template <class... Systems> void stepBodies(benchmark::State& state) {
    registerBenchTypes();
    const auto count = static_cast<std::int32_t>(state.range(0));
    World world;
    (world.getSystemManager()->addSystem(std::make_shared<Systems>()), ...);
    world.getSystemManager()->initializeAll();
    for (std::int32_t i = 0; i < count; ++i) {
        auto entity = world.createEntity();
        auto body = std::make_shared<Body>();
        body->x = static_cast<float>(i % 224);
        entity->addComponent(body);
        entity->refresh();
    }
    world.execute(STEP); // the bodies join the systems

    const std::int64_t allocationsBefore = tarvex::bench::allocationCount();
    for (auto _ : state) {
        world.execute(STEP);
    }
    const std::int64_t allocations = tarvex::bench::allocationCount() - allocationsBefore;
    const double perEntityAndSystem = static_cast<double>(count) * sizeof...(Systems);
    state.counters["per_entity_system"] =
        benchmark::Counter(perEntityAndSystem * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["allocs_per_step"] =
        static_cast<double>(allocations) / static_cast<double>(state.iterations());
}

void WorldStep(benchmark::State& state) {
    stepBodies<AccelerationSystem, MovementSystem, WrapSystem>(state);
}
BENCHMARK(WorldStep)->Arg(10000)->Arg(1000);

void WorldStepMapped(benchmark::State& state) {
    stepBodies<MappedAccelerationSystem, MappedMovementSystem, MappedWrapSystem>(state);
}
BENCHMARK(WorldStepMapped)->Arg(10000)->Arg(1000);

// (b) Create N entities with three components, refresh, step, delete them all, step.
void EntityChurn(benchmark::State& state) {
    registerBenchTypes();
    const auto count = static_cast<std::int32_t>(state.range(0));
    World world;
    world.getSystemManager()->addSystem(std::make_shared<MovementSystem>());
    world.getSystemManager()->addSystem(std::make_shared<TimerSystem>());
    world.getSystemManager()->addSystem(std::make_shared<AnimationSystem>());
    world.getSystemManager()->initializeAll();

    std::int64_t stepAllocations = 0;
    std::int64_t allAllocations = 0;
    auto churn = [&](bool measure) {
        const std::int64_t start = tarvex::bench::allocationCount();
        for (std::int32_t i = 0; i < count; ++i) {
            auto entity = world.createEntity();
            entity->addComponent(std::make_shared<Body>());
            entity->addComponent(std::make_shared<Timer>());
            entity->addComponent(std::make_shared<Sprite>());
            entity->refresh();
        }
        std::int64_t before = tarvex::bench::allocationCount();
        world.execute(STEP);
        std::int64_t inSteps = tarvex::bench::allocationCount() - before;
        const EntityManager& entities = *world.getEntityManager();
        for (std::int32_t id = 1; id <= count; ++id) {
            world.deleteEntity(entities.getEntity(id).get());
        }
        before = tarvex::bench::allocationCount();
        world.execute(STEP);
        inSteps += tarvex::bench::allocationCount() - before;
        if (measure) {
            stepAllocations += inSteps;
            allAllocations += tarvex::bench::allocationCount() - start;
        }
    };
    churn(false); // the first round grows the pool and the tables
    churn(false);

    for (auto _ : state) {
        churn(true);
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["allocs_in_steps"] = static_cast<double>(stepAllocations) / iterations;
    state.counters["allocs_per_round"] = static_cast<double>(allAllocations) / iterations;
    state.counters["per_entity"] =
        benchmark::Counter(static_cast<double>(count) * iterations,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(EntityChurn)->Arg(1000)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tarvex

BENCHMARK_MAIN();
