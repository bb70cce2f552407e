#include "GameTestWorld.hpp"
#include "core/Random.hpp"
#include "game/components/ParticleGeneratorComponent.hpp"
#include "game/particles/ParticleList.hpp"
#include "game/particles/ParticlesRequest.hpp"
#include "game/systems/ParticleGeneratorSystem.hpp"
#include "game/systems/ParticleInitializerSystem.hpp"
#include "game/systems/ParticleSweeperSystem.hpp"
#include "support/DebugLogCapture.hpp"

#include <cmath>
#include <set>

namespace tarvex::game {
namespace {

class ParticleGeneratorSystemTest : public testing::GameWorldTest {
protected:
    ParticleGeneratorSystemTest() {
        Random::seed(42);
        addSystem<ParticleInitializerSystem>();
        addSystem<ParticleSweeperSystem>();
        addSystem<ParticleGeneratorSystem>();
    }

    Ref<ParticleGeneratorComponent> addEmitter(float frequency, const char* particleClass,
                                               Ref<Entity>* entityOut = nullptr) {
        auto entity = world.createEntity();
        auto generator = std::make_shared<ParticleGeneratorComponent>();
        generator->spawn_frequency = frequency;
        generator->x_pos = 20;
        generator->y_pos = 150;
        generator->_particle_type = particleClass;
        entity->addComponent(generator);
        entity->refresh();
        if (entityOut != nullptr) {
            *entityOut = entity;
        }
        return generator;
    }

    static ParticleList& particlesOf(const ParticleGeneratorComponent& generator) {
        auto* list = dynamic_cast<ParticleList*>(generator._particles.get());
        EXPECT_NE(list, nullptr);
        return *list;
    }
};

TEST_F(ParticleGeneratorSystemTest, NewEmitterGetsAListAndARequestDrawingIt) {
    auto generator = addEmitter(0, "BubbleParticle");
    EXPECT_FALSE(generator->_particles);
    world.execute(16);
    ASSERT_TRUE(generator->_particles);
    auto request = std::dynamic_pointer_cast<ParticlesRequest>(generator->_request);
    ASSERT_TRUE(request);
    EXPECT_EQ(request->getParticles(), generator->_particles);
    EXPECT_TRUE(particlesOf(*generator).empty());
}

TEST_F(ParticleGeneratorSystemTest, SplashBurstsItsParticlesOnceOnItsFirstFrame) {
    auto generator = addEmitter(-1.0F, "WaterSplashParticle");
    generator->max_particles = 8;
    generator->width = 6;
    generator->y_pos = 71;
    world.execute(16);
    EXPECT_EQ(particlesOf(*generator).size(), 8);
    EXPECT_EQ(generator->_generated, 8);
    for (int frame = 0; frame < 20; ++frame) {
        world.execute(16);
    }
    EXPECT_LE(particlesOf(*generator).size(), 8) << "no second burst";
    for (const auto& drop : particlesOf(*generator).particles()) {
        EXPECT_LT(drop->y_pos, 72) << "still in the air";
    }
    for (int frame = 0; frame < 200; ++frame) {
        world.execute(16);
    }
    EXPECT_TRUE(particlesOf(*generator).empty()) << "every drop fell back into the sea";
}

TEST_F(ParticleGeneratorSystemTest, FrequencyOneOrZeroNeverSpawnsAndAStreamSpawnsByChance) {
    auto never = addEmitter(1.0F, "SmokeParticle");
    auto off = addEmitter(0, "SmokeParticle");
    auto often = addEmitter(0.7F, "SmokeParticle");
    auto classless = addEmitter(0.1F, "");
    auto unknown = addEmitter(0.1F, "NoSuchParticle");
    for (int frame = 0; frame < 100; ++frame) {
        world.execute(16);
    }
    EXPECT_TRUE(particlesOf(*never).empty());
    EXPECT_TRUE(particlesOf(*off).empty());
    EXPECT_TRUE(particlesOf(*classless).empty());
    EXPECT_TRUE(particlesOf(*unknown).empty());
    // About three frames in ten spawn; smoke lives 200 frames, so none has gone yet.
    EXPECT_GT(particlesOf(*often).size(), 15);
    EXPECT_LT(particlesOf(*often).size(), 45);
}

TEST_F(ParticleGeneratorSystemTest, SpawnOffsetsAreWholeUnitsAcrossTheWholeArea) {
    auto generator = addEmitter(0, "SmokeParticle");
    generator->width = 6;
    generator->height = 6;
    world.execute(16);
    std::set<float> xs;
    std::set<float> ys;
    for (int i = 0; i < 300; ++i) {
        ASSERT_TRUE(ParticleGeneratorSystem::spawnParticle(*generator));
        const auto& spawned = particlesOf(*generator).particles().back();
        ys.insert(spawned->y_pos - 150);
    }
    for (float y : ys) {
        EXPECT_EQ(y, std::floor(y));
    }
    EXPECT_EQ(ys, (std::set<float>{0, 1, 2, 3, 4, 5, 6}));

    auto splash = addEmitter(0, "WaterSplashParticle"); // does not sway: x is the spawn column
    splash->width = 6;
    world.execute(16);
    for (int i = 0; i < 300; ++i) {
        ASSERT_TRUE(ParticleGeneratorSystem::spawnParticle(*splash));
        xs.insert(particlesOf(*splash).particles().back()->x_pos - 20);
    }
    EXPECT_EQ(xs, (std::set<float>{0, 1, 2, 3, 4, 5, 6}));
}

TEST_F(ParticleGeneratorSystemTest, StoppedStreamLetsItsParticlesFinishTheirLives) {
    auto generator = addEmitter(0.0F, "FireParticle");
    world.execute(16);
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(ParticleGeneratorSystem::spawnParticle(*generator));
    }
    for (int frame = 1; frame <= 100; ++frame) {
        world.execute(16);
    }
    EXPECT_EQ(particlesOf(*generator).size(), 5) << "alpha 0.5 lasts 100 updates";
    world.execute(16);
    EXPECT_TRUE(particlesOf(*generator).empty());
}

TEST_F(ParticleGeneratorSystemTest, DeletedEmitterLosesItsRequestAndParticles) {
    Ref<Entity> entity;
    auto generator = addEmitter(-1.0F, "WaterSplashParticle", &entity);
    generator->max_particles = 25;
    generator->y_pos = 71;
    world.execute(16);
    Ref<ParticleList> list = std::dynamic_pointer_cast<ParticleList>(generator->_particles);
    ASSERT_EQ(list->size(), 25);
    world.deleteEntity(entity.get());
    world.execute(16);
    EXPECT_FALSE(generator->_request);
    EXPECT_FALSE(generator->_particles);
    EXPECT_TRUE(list->empty());
}

TEST_F(ParticleGeneratorSystemTest, EntityWithoutTheComponentIsReported) {
    auto* generatorSystem = dynamic_cast<ParticleGeneratorSystem*>(
        world.getSystemManager()->getSystem(&ParticleGeneratorSystem::staticType()));
    ASSERT_NE(generatorSystem, nullptr);
    auto bare = world.createEntity();
    tarvex::testing::DebugLogCapture log;
    generatorSystem->processEntity(*bare);
    EXPECT_TRUE(log.contains("Busted"));
}

TEST(ParticleList, FinishedParticlesAreUsedAgainAsNew) {
    registerGameTypes();
    ParticleList list;
    BaseParticle* first = list.spawn("FireParticle");
    ASSERT_NE(first, nullptr);
    first->x_pos = 99;
    first->setAlpha(0.001F);
    list.update(16);
    ASSERT_TRUE(list.empty());
    BaseParticle* second = list.spawn("FireParticle");
    EXPECT_EQ(second, first) << "the finished particle comes back";
    EXPECT_FALSE(second->isDeleted());
    EXPECT_FLOAT_EQ(second->x_pos, 0);
    EXPECT_FLOAT_EQ(second->getAlpha(), 1.0F);
    EXPECT_EQ(list.spawn("Object"), nullptr) << "not a particle class";
    EXPECT_EQ(list.size(), 1);
}

TEST(ParticleList, SurvivorsKeepTheirOrder) {
    registerGameTypes();
    ParticleList list;
    for (int i = 0; i < 6; ++i) {
        BaseParticle* particle = list.spawn("SmokeParticle");
        particle->y_pos = static_cast<float>(i);
        particle->setAlpha(i % 2 == 0 ? 1.0F : 0.001F);
    }
    list.update(0);
    ASSERT_EQ(list.size(), 3);
    EXPECT_FLOAT_EQ(list.particles()[0]->y_pos, 0);
    EXPECT_FLOAT_EQ(list.particles()[1]->y_pos, 2);
    EXPECT_FLOAT_EQ(list.particles()[2]->y_pos, 4);
}

} // namespace
} // namespace tarvex::game
