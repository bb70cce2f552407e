// Animation resources for tests, read from a definition served from memory the way the game
// reads its own (so tests exercise the real definition keys):
//
//     auto swim = testing::animationResource("loop = forever; frame_time = 100;",
//                                            "swim = 0, 1, 2, 1;");
#pragma once

#include "resources/AnimationResource.hpp"

#include <string>

namespace tarvex::testing {

// A resource of type "animation" with the given keys and `[animation_frames]` fields. Fails
// the calling test (null result) when the definition does not load.
[[nodiscard]] Ref<AnimationResource> animationResource(const std::string& keys,
                                                       const std::string& frameSets);

} // namespace tarvex::testing
