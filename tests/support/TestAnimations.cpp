#include "support/TestAnimations.hpp"

#include "platform/Stream.hpp"
#include "resources/ResourceManager.hpp"
#include "resources/ResourceTypes.hpp"

#include <cstdint>
#include <gtest/gtest.h>
#include <vector>

namespace tarvex::testing {

Ref<AnimationResource> animationResource(const std::string& keys, const std::string& frameSets) {
    registerResourceTypes();
    static int serial = 0;
    const std::string name = "test-animations/" + std::to_string(++serial) + "/resources.brix";
    const std::string text = "[resources] { namespace = test; default_type = animation;"
                             "[t:resource, n:anim] { type = animation; " +
                             keys + " [animation_frames] { " + frameSets + " } } }";
    platform::registerMemoryFile(name, std::vector<std::uint8_t>(text.begin(), text.end()));
    ResourceManager manager;
    manager.loadResources("memory::" + name, true);
    auto animation =
        std::dynamic_pointer_cast<AnimationResource>(manager.getResource("test.anim", false));
    EXPECT_NE(animation, nullptr) << "the test animation definition did not load:\n" << text;
    return animation;
}

} // namespace tarvex::testing
