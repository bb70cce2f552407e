// Animation settings: loop count, frame time and the named frame sets.
#include "ResourceTestSupport.hpp"
#include "resources/AnimationResource.hpp"
#include "resources/ResourceManager.hpp"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

Ref<AnimationResource> animation(const std::string& body) {
    testing::registerResourceTestTypes();
    const auto file = testing::memoryText("anim/resources.brix",
                                          "[resources] { namespace = a; default_type = animation;"
                                          "[t:resource, n:it] {" +
                                              body + "} }");
    ResourceManager manager;
    manager.loadResources(file, true);
    return std::dynamic_pointer_cast<AnimationResource>(manager.getResource("a.it", true));
}

TEST(AnimationResource, LoopIsZeroWhenAbsentMinusOneForeverElseItsNumber) {
    EXPECT_EQ(animation("")->getLoopCount(), 0);
    EXPECT_EQ(animation("loop = forever;")->getLoopCount(), AnimationResource::LOOP_FOREVER);
    EXPECT_EQ(animation("loop = 3;")->getLoopCount(), 3);
    EXPECT_EQ(animation("loop = Forever;")->getLoopCount(), 0); // not a number
}

TEST(AnimationResource, FrameSetsAreReadInOrderWithTheirFrameTime) {
    const auto fish = animation("loop = forever; frame_time = 160;"
                                "[animation_frames] { swim = 0, 1, 2, 1; turn =3,$A ,  5; }");
    ASSERT_TRUE(fish);
    EXPECT_EQ(fish->getFrameTime(), 160);
    EXPECT_EQ(fish->countAnimations(), 2);
    EXPECT_EQ(fish->getFrameset("swim"), (std::vector<std::int32_t>{0, 1, 2, 1}));
    EXPECT_EQ(fish->getFrameset("turn"), (std::vector<std::int32_t>{3, 10, 5}));
    EXPECT_TRUE(fish->getFrameset("dive").empty());
    EXPECT_EQ(fish->get(), nullptr); // the animation hands out no object
}

TEST(AnimationResource, WithoutFramesGroupThereAreNoSets) {
    const auto still = animation("frame_time = 40; [other] { default = 1; }");
    EXPECT_EQ(still->countAnimations(), 0);
    EXPECT_EQ(still->getFrameTime(), 40);
    EXPECT_TRUE(still->getFrameset("default").empty());
}

} // namespace
} // namespace tarvex
