// The kernel services around the resource manager.
#include "ResourceTestSupport.hpp"
#include "resources/AnimationResource.hpp"
#include "resources/ResourceDbService.hpp"
#include "resources/ResourceService.hpp"
#include "support/DebugLogCapture.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

class ResourceServiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        testing::registerResourceTestTypes();
        testing::memoryPng("svc/pic.png", 4, 4, 1, 1);
        testing::memoryWav("svc/beep.wav");
        objects = testing::memoryText("svc/objects.brix", R"([resources] {
            namespace = svc.objects;
            [t:resource, n:pic] { type = image; file = pic.png; }
            [t:resource, n:anim] { type = animation; [animation_frames] { default = 0; } }
        })");
        sounds = testing::memoryText("svc/sounds.brix", R"([resources] {
            namespace = svc.sounds;
            [t:resource, n:beep] { type = sound; file = beep.wav; }
        })");
    }

    std::string objects;
    std::string sounds;
};

TEST_F(ResourceServiceTest, RecordsFilesOnlyThroughLoadResourceFile) {
    ResourceService service;
    service.loadAssets({sounds}, true);
    EXPECT_TRUE(service.getLoadedFiles().empty());
    service.loadResourceFile(objects, true);
    EXPECT_EQ(service.getLoadedFiles(), std::vector<std::string>{objects});
    EXPECT_TRUE(service.hasLoadedFile(objects));
    EXPECT_FALSE(service.hasLoadedFile(sounds));
    EXPECT_EQ(service.getResourceNames(),
              (std::vector<std::string>{"svc.objects.anim", "svc.objects.pic", "svc.sounds.beep"}));
}

TEST_F(ResourceServiceTest, ImageAndSoundAreReadOnFirstRequest) {
    ResourceService service;
    service.loadAssets({objects, sounds}, true);
    EXPECT_FALSE(service.getManager()->_getResource("svc.objects.pic")->isLoaded());
    const auto image = service.getImage("svc.objects.pic");
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width(), 4);
    EXPECT_EQ(service.getImage("svc.objects.pic"), image); // read once, shared
    EXPECT_EQ(service.getManager()->_getResource("svc.objects.pic")->getReferenceCount(), 2);
    ASSERT_TRUE(service.getSound("svc.sounds.beep"));
    EXPECT_EQ(service.getObject("svc.sounds.beep", true), service.getSound("svc.sounds.beep"));
}

TEST_F(ResourceServiceTest, WrongOrUnknownNamesAreNullWithTheirDebugLines) {
    ResourceService service;
    service.loadAssets({objects, sounds}, true);
    testing::DebugLogCapture log;
    EXPECT_FALSE(service.getImage("svc.sounds.beep"));
    EXPECT_FALSE(service.getImage("svc.objects.none"));
    EXPECT_FALSE(service.getSound("svc.objects.pic"));
    EXPECT_FALSE(service.getObject("svc.objects.none", false));
    EXPECT_TRUE(log.contains("Could not find resource: svc.sounds.beep"));
    EXPECT_TRUE(log.contains("Could not find resource: svc.objects.none"));
    EXPECT_TRUE(log.contains("Could not find sound resource: svc.objects.pic"));
    // A resource of another class is still counted by the lookup.
    EXPECT_EQ(service.getManager()->_getResource("svc.sounds.beep")->getReferenceCount(), 1);
}

TEST_F(ResourceServiceTest, ReloadReadsEveryResourceAgain) {
    ResourceService service;
    service.loadResourceFile(objects, false);
    const auto first = service.getImage("svc.objects.pic");
    service.reload();
    const auto second = service.getImage("svc.objects.pic");
    ASSERT_TRUE(second);
    EXPECT_NE(first, second);
}

TEST_F(ResourceServiceTest, DbServiceIsTheSameWithoutRecordingFiles) {
    ResourceDbService db;
    db.loadResourceFile(objects, false);
    db.loadAssets({sounds}, true);
    EXPECT_TRUE(db.getManager()->_getResource("svc.objects.pic")->isLoaded());
    EXPECT_TRUE(std::dynamic_pointer_cast<platform::Image>(db.getObject("svc.objects.pic", true)));
    EXPECT_TRUE(std::dynamic_pointer_cast<AnimationResource>(db.get("svc.objects.anim", false)));
    EXPECT_FALSE(db.get("svc.none", false));
    EXPECT_FALSE(db.getManager()->_getResource("svc.sounds.beep")->isLoaded());
    db.reload();
    EXPECT_TRUE(db.getManager()->_getResource("svc.sounds.beep")->isLoaded());
}

} // namespace
} // namespace tarvex
