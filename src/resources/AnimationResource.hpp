// The timing of a sprite animation: named frame sets (lists of cell numbers of an image strip),
// the time each frame is shown and how often the animation runs. It holds no asset of its own;
// sprites read its settings and frame sets:
//
//     [t:resource, n:fish_swim] { type = animation; loop = forever; frame_time = 160;
//                                 [animation_frames] { swim_left = 0, 1; swim_right = 2, 3; } }
//
//     auto anim = std::dynamic_pointer_cast<AnimationResource>(resources->get(id, false));
//     anim->getFrameset("swim_right");   // {2, 3}
//     anim->getLoopCount();              // -1: forever
//
// Everything is read when the definition is registered, so get() answers null and loading and
// freeing do nothing.
#pragma once

#include "resources/BaseResource.hpp"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace tarvex {

class AnimationResource : public BaseResource {
    TARVEX_OBJECT(AnimationResource, BaseResource)
public:
    // `loop = forever`.
    static constexpr std::int32_t LOOP_FOREVER = -1;

    // Number of frame sets read.
    [[nodiscard]] std::int32_t countAnimations() const { return _animCount; }
    // The frame set of that name; empty when there is none.
    [[nodiscard]] const std::vector<std::int32_t>& getFrameset(const std::string& name) const;
    // Passes to play: 0 when unset, LOOP_FOREVER, or the count given.
    [[nodiscard]] std::int32_t getLoopCount() const { return _loopCount; }
    // Milliseconds each frame is shown.
    [[nodiscard]] std::int32_t getFrameTime() const { return _frameTime; }
    [[nodiscard]] const std::map<std::string, std::vector<std::int32_t>>& getFrameSets() const {
        return _frameSets;
    }

protected:
    void _loadDefinition() override;
    void _load() override {}
    void _free() override {}
    [[nodiscard]] ObjectRef _get() override { return nullptr; }

private:
    std::int32_t _loopCount = 0;
    std::int32_t _frameTime = 0;
    std::map<std::string, std::vector<std::int32_t>> _frameSets;
    std::int32_t _animCount = 0;
};

} // namespace tarvex
