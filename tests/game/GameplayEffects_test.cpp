#include "GameFlowFixture.hpp"
#include "game/GameEntityFactory.hpp"
#include "game/components/ParticleGeneratorComponent.hpp"
#include "game/components/PlayerComponents.hpp"
#include "game/components/TextBodyComponent.hpp"
#include "game/components/TimedComponents.hpp"
#include "game/particles/ParticlesRequest.hpp"

#include <algorithm>
#include <vector>

namespace tarvex::game {
namespace {

// Particles and floating labels in the real game, through the entity service's world.
class GameplayEffectsTest : public testing::GameFlowTest {
protected:
    // The requests of a class in the render group "sprites".
    template <class Request> [[nodiscard]] std::vector<Ref<Request>> inSprites() const {
        std::vector<Ref<Request>> found;
        auto group = runner->game().getRenderingService()->getGroup("sprites");
        for (const auto& item : group->getItems()) {
            if (auto request = std::dynamic_pointer_cast<Request>(item)) {
                found.push_back(request);
            }
        }
        return found;
    }

    // The particles request that is not one of `before`.
    [[nodiscard]] Ref<ParticlesRequest>
    newParticles(const std::vector<Ref<ParticlesRequest>>& before) const {
        for (const auto& request : inSprites<ParticlesRequest>()) {
            if (std::find(before.begin(), before.end(), request) == before.end()) {
                return request;
            }
        }
        return nullptr;
    }
};

TEST_F(GameplayEffectsTest, BoatsEmittersHaveTheirRequestsAndASplashComesAndGoes) {
    startGame();
    const auto before = inSprites<ParticlesRequest>();
    std::vector<Ref<ParticlesRequest>> boatEmitters;
    const auto* emitters =
        runner->game().getEntityService()->getEntitiesWithComponentName("particle_generator");
    for (std::int32_t i = 0; emitters != nullptr && i < emitters->getSize(); ++i) {
        const auto& emitter = emitters->get(i);
        if (emitter->getComponentAs<SmokeComponent>() != nullptr) {
            boatEmitters.push_back(std::dynamic_pointer_cast<ParticlesRequest>(
                emitter->getComponentAs<ParticleGeneratorComponent>()->_request));
        }
    }
    ASSERT_EQ(boatEmitters.size(), 2U) << "the boat's smoke and fire emitters";
    for (const auto& request : boatEmitters) {
        EXPECT_NE(std::find(before.begin(), before.end(), request), before.end())
            << "each emitter draws through its own request in the sprites group";
    }
    GameEntityFactory::createSpash(100, 71, 25, 3);
    runner->runFrames(1);
    auto splash = newParticles(before);
    ASSERT_TRUE(splash);
    const auto particles = splash->getParticles();
    EXPECT_EQ(particles->size(), 25);
    for (const auto& drop : particles->particles()) {
        EXPECT_GE(drop->x_pos, 90) << "within the splash, give or take a frame's drift";
        EXPECT_LE(drop->x_pos, 113);
        EXPECT_LT(drop->y_pos, 72);
    }
    runner->runFrames(90); // 1.5 s: every drop is back in the sea
    EXPECT_TRUE(particles->empty());
    EXPECT_TRUE(newParticles(before)) << "the emitter stays until its entity goes";
}

TEST_F(GameplayEffectsTest, DeletedEmitterTakesItsRequestOffTheScreen) {
    startGame();
    const auto before = inSprites<ParticlesRequest>();
    GameEntityFactory::createSmokeGenerator(50, 150, 6, 6);
    runner->runFrames(1);
    auto smoke = newParticles(before);
    ASSERT_TRUE(smoke);
    Ref<Entity> smokeEntity;
    const auto* emitters =
        runner->game().getEntityService()->getEntitiesWithComponentName("particle_generator");
    for (std::int32_t i = 0; emitters != nullptr && i < emitters->getSize(); ++i) {
        const auto& candidate = emitters->get(i);
        const auto* generator = candidate->getComponentAs<ParticleGeneratorComponent>();
        if (generator != nullptr && generator->_request == smoke) {
            smokeEntity = candidate;
        }
    }
    ASSERT_TRUE(smokeEntity);
    auto* world = GameEntityFactory::getWorld();
    world->deleteEntity(smokeEntity.get());
    runner->runFrames(1);
    EXPECT_FALSE(newParticles(before));
}

TEST_F(GameplayEffectsTest, ScoreFlyoffRisesFadesAndLeavesTheScreen) {
    startGame();
    // As the scoring code makes one (white, rising at 10 and slowing by 5).
    auto flyoff = GameEntityFactory::createEntity();
    auto text = std::make_shared<TextBodyComponent>();
    text->text = "100 x 1.5";
    text->x_pos = 76;
    text->y_pos = 240;
    text->text_r = 255;
    text->text_g = 255;
    text->text_b = 255;
    text->y_velocity = -10;
    text->y_acceleration = 5;
    flyoff->addComponent(text);
    flyoff->addComponent(std::make_shared<ScoreFlyoffComponent>());
    flyoff->refresh();
    runner->runFrames(1);
    auto label = text->getLabel();
    ASSERT_TRUE(label);
    const auto labels = inSprites<graphics::TextRenderRequest>();
    EXPECT_NE(std::find(labels.begin(), labels.end(), label), labels.end());
    runner->runFrames(60);
    EXPECT_LT(label->getY(), 234) << "about 8 units up after a second";
    EXPECT_GT(label->getY(), 230);
    EXPECT_NEAR(label->getAlpha(), 0.39F, 0.001F);
    runner->runFrames(41); // faded out in its 101st frame, gone at the start of the next
    EXPECT_FALSE(flyoff->isActive());
    EXPECT_FALSE(text->getLabel());
    const auto after = inSprites<graphics::TextRenderRequest>();
    EXPECT_EQ(std::find(after.begin(), after.end(), label), after.end());
}

} // namespace
} // namespace tarvex::game
