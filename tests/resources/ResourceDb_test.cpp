// The game's own data directory, registered as the loading screen registers it and walked
// through the resource classes: every picture decodes with its cells, every animation has its
// frame sets, every sound decodes, every level has every setting, and every identifier the
// program asks for is declared.
#include "ResourceTestSupport.hpp"
#include "resources/AnimationResource.hpp"
#include "resources/ImageResource.hpp"
#include "resources/ResourceService.hpp"
#include "resources/SoundResource.hpp"

#include <algorithm>
#include <gtest/gtest.h>
#include <thread>

namespace tarvex {
namespace {

using testing::TestLevelResource;

constexpr const char* AREAS[] = {"audio",   "backgrounds", "levels", "music",
                                 "objects", "particles",   "ui"};

class ResourceDbTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::registerResourceTestTypes();
        ::testing::internal::CaptureStderr();
        for (const char* area : AREAS) {
            service.loadResourceFile(testing::resourceDbDirectory() + "/" + area + "/" +
                                         std::string(ResourceService::RESOURCE_FILE_NAME),
                                     true);
        }
        ASSERT_EQ(::testing::internal::GetCapturedStderr(), "");
    }

    [[nodiscard]] bool declared(const std::string& name) const {
        const auto names = service.getResourceNames();
        return std::binary_search(names.begin(), names.end(), name);
    }

    ResourceService service;
};

TEST_F(ResourceDbTest, EveryResourceLoadsThroughItsClass) {
    ::testing::internal::CaptureStderr();
    int images = 0, animations = 0, sounds = 0, levels = 0;
    for (const auto& name : service.getResourceNames()) {
        const auto resource = service.get(name, false);
        ASSERT_TRUE(resource) << name;
        const auto& definition = *resource->getDefinition();
        if (const auto image = std::dynamic_pointer_cast<ImageResource>(resource)) {
            ++images;
            const auto picture = image->getImage();
            ASSERT_TRUE(picture) << name;
            if (definition.getResourceType() == "imagestrip") {
                EXPECT_EQ(picture->width(), std::stoi(definition.getField("width", ""))) << name;
                EXPECT_EQ(picture->height(), std::stoi(definition.getField("height", ""))) << name;
                EXPECT_EQ(picture->frameCount(), std::stoi(definition.getField("frames", "")))
                    << name;
            } else {
                EXPECT_EQ(picture->frameCount(), 1) << name;
            }
        } else if (const auto anim = std::dynamic_pointer_cast<AnimationResource>(resource)) {
            ++animations;
            EXPECT_GT(anim->countAnimations(), 0) << name;
            EXPECT_GT(anim->getFrameTime(), 0) << name;
            EXPECT_NE(anim->getLoopCount(), 0) << name;
            for (const auto& [set, frames] : anim->getFrameSets()) {
                EXPECT_FALSE(frames.empty()) << name << " " << set;
                for (const auto frame : frames) {
                    EXPECT_GE(frame, 0) << name << " " << set;
                }
            }
        } else if (const auto sound = std::dynamic_pointer_cast<SoundResource>(resource)) {
            ++sounds;
            const auto decoded = sound->getSound();
            ASSERT_TRUE(decoded) << name;
            EXPECT_GT(decoded->frameCount(), 0u) << name;
            EXPECT_EQ(decoded->isLooped(), name.starts_with("depthrun.music.")) << name;
        } else if (const auto level = std::dynamic_pointer_cast<TestLevelResource>(resource)) {
            ++levels;
            for (const char* field : TestLevelResource::FIELDS) {
                EXPECT_NE(definition.getField(field, "<absent>"), "<absent>")
                    << name << " " << field;
            }
            EXPECT_EQ(name, "depthrun.levels.level_" + std::to_string(level->levelNumber) + "_" +
                                std::to_string(level->stageNumber));
            EXPECT_TRUE(level->timeOfDay == "sunny" || level->timeOfDay == "sunset" ||
                        level->timeOfDay == "night")
                << name;
            EXPECT_GT(level->enemiesToDestroy, 0) << name;
            EXPECT_GT(level->timeLimit, 0) << name;
            EXPECT_GT(level->speedMultiplier, 0.0f) << name;
        } else {
            ADD_FAILURE() << name << " has an unexpected class " << resource->getType().getName();
        }
    }
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_GT(images, 0);
    EXPECT_GT(animations, 0);
    EXPECT_GT(sounds, 0);
    EXPECT_GE(levels, 12); // at least three level numbers of four stages
}

// As the loading screen does: everything read on a worker thread, no texture made there.
TEST(ResourceDbWorker, LoadsOnAWorkerThreadWithoutMakingTextures) {
    testing::registerResourceTestTypes();
    ResourceService service;
    std::thread worker([&service] {
        for (const char* area : AREAS) {
            service.loadResourceFile(
                testing::resourceDbDirectory() + "/" + area + "/resources.brix", false);
        }
    });
    worker.join();
    const auto image = service.getImage("depthrun.objects.player");
    ASSERT_TRUE(image);
    EXPECT_EQ(image->texture().id, 0u);
    EXPECT_TRUE(service.getSound("depthrun.music.title"));
}

TEST_F(ResourceDbTest, DeclaresEveryIdentifierTheProgramAsksFor) {
    for (const char* name : {"depthrun.backgrounds.day.sky",
                             "depthrun.backgrounds.day.sea",
                             "depthrun.backgrounds.day.clouds",
                             "depthrun.backgrounds.sunset.sky",
                             "depthrun.backgrounds.sunset.sea",
                             "depthrun.backgrounds.sunset.clouds",
                             "depthrun.backgrounds.night.sky",
                             "depthrun.backgrounds.night.sea",
                             "depthrun.backgrounds.night.clouds",
                             "depthrun.backgrounds.night.moon",
                             "depthrun.levels.level_1_1",
                             "depthrun.music.daytime",
                             "depthrun.music.title",
                             "depthrun.objects.player",
                             "depthrun.objects.player_parts",
                             "depthrun.objects.depth_charge",
                             "depthrun.objects.depth_charge_spin",
                             "depthrun.objects.sonar_wave",
                             "depthrun.objects.submarine_left",
                             "depthrun.objects.submarine_right",
                             "depthrun.objects.missile",
                             "depthrun.objects.missile_spin",
                             "depthrun.objects.mine",
                             "depthrun.objects.mine_flash",
                             "depthrun.objects.mine_layer",
                             "depthrun.objects.mine_layer_anim",
                             "depthrun.objects.fish",
                             "depthrun.objects.fish_swim",
                             "depthrun.particles.explosion.small",
                             "depthrun.particles.animations.splode",
                             "depthrun.sounds.mine_drop",
                             "depthrun.sounds.plane",
                             "depthrun.sounds.sonar",
                             "depthrun.ui.logo"}) {
        EXPECT_TRUE(declared(name)) << name;
    }
    // Sound families picked at random by pattern.
    for (const std::string prefix :
         {"depthrun.sounds.explode", "depthrun.sounds.firework", "depthrun.sounds.splash"}) {
        const auto names = service.getResourceNames();
        EXPECT_TRUE(std::any_of(names.begin(), names.end(), [&](const std::string& n) {
            return n.starts_with(prefix);
        })) << prefix;
    }
    // Level numbers run on without gaps, four stages each, so the level flow finds a next one.
    for (int level = 1; declared("depthrun.levels.level_" + std::to_string(level) + "_1");
         ++level) {
        for (int stage = 1; stage <= 4; ++stage) {
            EXPECT_TRUE(declared("depthrun.levels.level_" + std::to_string(level) + "_" +
                                 std::to_string(stage)))
                << level << "-" << stage;
        }
    }
}

} // namespace
} // namespace tarvex
