// Particle emitters in steady play: the world step of the particle systems over emitters that
// stream as the game's do (a burning boat's smoke and fire at 0.7, bubble trails at 0.9 and
// 0.95), once their streams have reached their usual size. Every heap allocation of the
// process is counted; in steady play there must be none.
//
//     bench_game --benchmark_counters_tabular=true
#include "core/Random.hpp"
#include "entities/ComponentTypeManager.hpp"
#include "entities/EntityManager.hpp"
#include "entities/SystemManager.hpp"
#include "entities/World.hpp"
#include "game/GameTypes.hpp"
#include "game/components/ParticleGeneratorComponent.hpp"
#include "game/particles/ParticleList.hpp"
#include "game/systems/ParticleGeneratorSystem.hpp"
#include "game/systems/ParticleInitializerSystem.hpp"
#include "game/systems/ParticleSweeperSystem.hpp"
#include "support/AllocationCounter.hpp"

#include <benchmark/benchmark.h>

namespace tarvex::game {
namespace {

constexpr float FRAME_MS = 16.0F;

struct StreamKind {
    const char* particleClass;
    float frequency;
};

constexpr StreamKind KINDS[] = {{"SmokeParticle", 0.7F},
                                {"FireParticle", 0.7F},
                                {"BubbleParticle", 0.9F},
                                {"BubbleParticle", 0.95F}};

void addSystem(World& world, const Ref<EntitySystem>& system) {
    world.getSystemManager()->setSystem(system);
    system->initialize();
}

// `emitters` streaming emitters, run until their particle counts have levelled off.
void buildWorld(World& world, std::int64_t emitters) {
    registerGameTypes();
    Random::seed(1);
    addSystem(world, std::make_shared<ParticleInitializerSystem>());
    addSystem(world, std::make_shared<ParticleSweeperSystem>());
    addSystem(world, std::make_shared<ParticleGeneratorSystem>());
    for (std::int64_t i = 0; i < emitters; ++i) {
        const StreamKind& kind = KINDS[i % 4];
        auto entity = world.createEntity();
        auto generator = std::make_shared<ParticleGeneratorComponent>();
        generator->spawn_frequency = kind.frequency;
        generator->x_pos = static_cast<float>(i % 200);
        generator->y_pos = 200;
        generator->width = 48;
        generator->height = 2;
        generator->_particle_type = kind.particleClass;
        entity->addComponent(generator);
        entity->refresh();
    }
    // Smoke lives 200 frames; after 1000 the counts only wobble around their average.
    for (int frame = 0; frame < 1000; ++frame) {
        world.execute(FRAME_MS);
    }
}

std::int64_t liveParticles(World& world) {
    std::int64_t count = 0;
    const auto& type = ComponentTypeManager::getTypeFor(&ParticleGeneratorComponent::staticType());
    for (std::int32_t id = 0; id < world.getEntityManager()->getActiveEntities().getSize(); ++id) {
        const auto& entity = world.getEntityManager()->getActiveEntities().get(id);
        if (entity == nullptr) {
            continue;
        }
        auto* generator = entity->getComponentAs<ParticleGeneratorComponent>(type.get());
        if (auto* list =
                generator ? dynamic_cast<ParticleList*>(generator->_particles.get()) : nullptr) {
            count += list->size();
        }
    }
    return count;
}

void ParticleStreams(benchmark::State& state) {
    World world;
    buildWorld(world, state.range(0));
    const auto particles = liveParticles(world);
    std::int64_t steps = 0;
    const auto before = bench::allocationCount();
    for (auto _ : state) {
        world.execute(FRAME_MS);
        ++steps;
    }
    const auto allocations = bench::allocationCount() - before;
    state.counters["particles"] = static_cast<double>(particles);
    state.counters["allocs_per_step"] =
        static_cast<double>(allocations) / static_cast<double>(steps);
    state.counters["ns_per_particle"] =
        benchmark::Counter(static_cast<double>(particles) * static_cast<double>(steps),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(ParticleStreams)->Arg(2)->Arg(40);

} // namespace
} // namespace tarvex::game

BENCHMARK_MAIN();
