#include "core/Random.hpp"
#include "graphics/GraphicsTypes.hpp"
#include "graphics/ScreenEffectsService.hpp"
#include "graphics/TarvexGfx.hpp"
#include "graphics/VirtualScreenResolution.hpp"
#include "kernel/EventService.hpp"
#include "kernel/KernelTypes.hpp"

#include <gtest/gtest.h>

namespace tarvex::graphics {
namespace {

class ScreenEffects : public ::testing::Test {
protected:
    void SetUp() override {
        registerKernelTypes();
        registerGraphicsTypes();
        VirtualScreenResolution::getInstance()->setDimensions(224, 288);
        kernel->addService(nullptr, renderer);
        kernel->addService(nullptr, effects);
        kernel->addService(nullptr, events);
        kernel->start();
        renderer->setCamera(RenderCamera::Create(224, 288, 0, 0));
        Random::seed(7);
    }
    void TearDown() override { kernel->stop(); }

    Ref<GameKernel> kernel = std::make_shared<GameKernel>();
    Ref<SpriteRenderingService> renderer = std::make_shared<SpriteRenderingService>();
    Ref<ScreenEffectsService> effects = std::make_shared<ScreenEffectsService>();
    Ref<EventService> events = std::make_shared<EventService>();
};

TEST_F(ScreenEffects, DefaultShakeTakesTenUpdatesWithStepsInsideTheIntensityThenResets) {
    effects->pushAction(std::make_shared<ShakeCameraAction>());
    const auto& camera = renderer->getCamera();
    float x = 0;
    float y = 0;
    bool moved = false;
    for (int update = 1; update <= 10; ++update) {
        ASSERT_EQ(effects->countActions(), 1) << "still shaking before update " << update;
        effects->update(16);
        if (update < 10) {
            const float dx = camera->getX() - x;
            const float dy = camera->getY() - y;
            EXPECT_TRUE(dx >= -2.0F && dx < 2.0F) << dx;
            EXPECT_TRUE(dy >= -2.0F && dy < 2.0F) << dy;
            moved = moved || dx != 0 || dy != 0;
            x = camera->getX();
            y = camera->getY();
        }
    }
    EXPECT_TRUE(moved);
    EXPECT_EQ(effects->countActions(), 0);
    EXPECT_TRUE(camera->getPosition().equals(0, 0)) << "back at rest after the last update";
}

TEST_F(ScreenEffects, ShakeDurationIsGivenInSecondsAtSixtyUpdates) {
    auto shake = std::make_shared<ShakeCameraAction>();
    shake->setDuration(0.5F).setIntensity(1);
    effects->pushAction(shake);
    int updates = 0;
    while (effects->countActions() > 0 && updates < 100) {
        effects->update(16);
        ++updates;
    }
    EXPECT_EQ(updates, 30);
}

TEST_F(ScreenEffects, EventDataFiresResumeOnceWhenTheActionEnds) {
    int fired = 0;
    ObjectRef payload;
    ObjectRef sender;
    events->addHandler(BackgroundAction::EVENT_RESUME_PROCESS, [&](GameEvent& event) -> ObjectRef {
        ++fired;
        payload = event.extra;
        sender = event.source;
        return nullptr;
    });
    auto data = std::make_shared<Object>();
    auto shake = std::make_shared<ShakeCameraAction>();
    shake->setEventData(data);
    effects->pushAction(shake);
    effects->pushAction(std::make_shared<ShakeCameraAction>()); // no data: no event
    effects->update(16);
    EXPECT_EQ(fired, 0);
    for (int i = 0; i < 20; ++i) {
        effects->update(16);
    }
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(payload, data);
    EXPECT_EQ(sender, shake);
}

TEST_F(ScreenEffects, FadeStepsAlphaPerUpdateInTheEffectsGroupAndRemovesItsOverlay) {
    auto group = std::make_shared<RenderGroup>();
    renderer->add(group, "effects");
    auto fade = std::make_shared<FadeScreenAction>();
    fade->setDuration(320).setKeepDuration(32);
    effects->pushAction(fade);
    const auto overlay = fade->getOverlay();
    ASSERT_NE(overlay, nullptr);
    EXPECT_EQ(group->countItems(), 1);
    EXPECT_TRUE(overlay->isIgnoringCamera());
    EXPECT_EQ(overlay->getWidth(), 224);
    EXPECT_EQ(overlay->getHeight(), 288);
    EXPECT_FLOAT_EQ(overlay->getBackgroundAlpha(), 0.0F);
    effects->update(16);
    EXPECT_NEAR(overlay->getBackgroundAlpha(), 0.05F, 1e-6);
    EXPECT_EQ(fade->getFadeState(), FadeScreenAction::FADE_OUT);
    effects->update(500); // too long a frame: skipped
    EXPECT_NEAR(overlay->getBackgroundAlpha(), 0.05F, 1e-6);
    for (int i = 2; i <= 20; ++i) {
        effects->update(16);
    }
    EXPECT_NEAR(overlay->getBackgroundAlpha(), 1.0F, 1e-5) << "black after 20 updates";
    EXPECT_FALSE(fade->isKeeping());
    effects->update(16);
    EXPECT_TRUE(fade->isKeeping());
    EXPECT_EQ(effects->countActions(), 1);
    effects->update(16);
    EXPECT_EQ(effects->countActions(), 0) << "held for the keep duration, then done";
    EXPECT_EQ(group->countItems(), 0) << "the overlay leaves the group";
}

TEST_F(ScreenEffects, InvertedFadeStartsBlackAndClears) {
    renderer->add(std::make_shared<RenderGroup>(), "effects");
    auto fade = std::make_shared<FadeScreenAction>();
    fade->setDuration(160).invertAnimation(true);
    effects->pushAction(fade);
    EXPECT_FLOAT_EQ(fade->getOverlay()->getBackgroundAlpha(), 1.0F);
    effects->update(16);
    EXPECT_NEAR(fade->getOverlay()->getBackgroundAlpha(), 0.9F, 1e-6);
    EXPECT_EQ(fade->getFadeState(), FadeScreenAction::FADE_IN);
}

TEST_F(ScreenEffects, FadeWithoutAnEffectsGroupFinishesAtOnceWhateverItsDuration) {
    auto fade = std::make_shared<FadeScreenAction>();
    fade->setDuration(5000).setKeepDuration(2000);
    auto data = std::make_shared<Object>();
    fade->setEventData(data);
    int fired = 0;
    events->addHandler(BackgroundAction::EVENT_RESUME_PROCESS, [&](GameEvent&) -> ObjectRef {
        ++fired;
        return nullptr;
    });
    effects->pushAction(fade);
    EXPECT_EQ(fade->getOverlay(), nullptr);
    effects->update(16);
    EXPECT_EQ(effects->countActions(), 0);
    EXPECT_EQ(fired, 1) << "callers waiting on the fade still resume";
}

TEST_F(ScreenEffects, AnActionCanQueueAFollowUp) {
    struct Chain : BackgroundAction {
        void execute(float) override {
            if (!queued) {
                pushAction(std::make_shared<ShakeCameraAction>());
                queued = true;
            }
        }
        [[nodiscard]] bool isFinished() const override { return queued; }
        bool queued = false;
    };
    effects->pushAction(std::make_shared<Chain>());
    effects->update(16);
    EXPECT_EQ(effects->countActions(), 1) << "the chain ended, its shake runs on";
}

} // namespace
} // namespace tarvex::graphics
