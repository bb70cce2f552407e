// Sound resources: the loop flag and unreadable files.
#include "ResourceTestSupport.hpp"
#include "resources/ResourceManager.hpp"
#include "resources/SoundResource.hpp"
#include "support/DebugLogCapture.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

Ref<SoundResource> sound(const std::string& body) {
    testing::registerResourceTestTypes();
    testing::memoryWav("snd/beep.wav");
    const auto file = testing::memoryText("snd/resources.brix",
                                          "[resources] { namespace = s; default_type = sound;"
                                          "[t:resource, n:it] {" +
                                              body + "} }");
    ResourceManager manager;
    manager.loadResources(file, true);
    return std::dynamic_pointer_cast<SoundResource>(manager.getResource("s.it", true));
}

TEST(SoundResource, DecodesTheFileWithTheLoopFlagOnlyForTrue) {
    const auto plain = sound("file = beep.wav;");
    ASSERT_TRUE(plain->getSound());
    EXPECT_EQ(plain->getSound()->frameCount(), 64u);
    EXPECT_FALSE(plain->getSound()->isLooped());

    const auto looped = sound("file = beep.wav; looped = TRUE;");
    EXPECT_EQ(looped->getLoadFlags(), platform::SOUND_LOOP);
    ASSERT_TRUE(looped->getSound());
    EXPECT_TRUE(looped->getSound()->isLooped());

    EXPECT_EQ(sound("file = beep.wav; looped = 1;")->getLoadFlags(), 0);
    EXPECT_EQ(sound("file = beep.wav; looped = yes;")->getLoadFlags(), 0);
}

TEST(SoundResource, UnreadableFileIsNullWithDebugLineAndOneErrorLine) {
    testing::DebugLogCapture log;
    ::testing::internal::CaptureStderr();
    const auto missing = sound("file = gone.wav;");
    EXPECT_FALSE(missing->getSound());
    missing->reload();
    EXPECT_FALSE(missing->getSound());
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "Could not load resource \"s.it\" from file: memory::snd/gone.wav\n");
    EXPECT_TRUE(log.contains("Could not load sound file: memory::snd/gone.wav"));

    // Without a file the definition file itself is read, which is no sound.
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(sound("")->getSound());
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("snd/resources.brix"),
              std::string::npos);
}

} // namespace
} // namespace tarvex
