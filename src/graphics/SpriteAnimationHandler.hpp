// Steps an image sprite through one named frame set of its animation resource. Each frame is
// shown for the resource's frame time (time left over carries into the next frame, at most one
// frame advance per update); after the resource's loop count of passes the last frame stays
// (loop count 0 and 1 both play once; -1 cycles forever).
//
//     sprite->setAnimation(fishAnimation);
//     sprite->play("swim", 1.0F);    // playing the same name again does not restart it
//     sprite->update(16.0F);         // sets the sprite's frame
#pragma once

#include "core/Object.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace tarvex::graphics {

class ImageSprite;

class SpriteAnimationHandler : public Object {
    TARVEX_OBJECT(SpriteAnimationHandler, Object)
public:
    SpriteAnimationHandler() = default;

    [[nodiscard]] bool isPlaying() const { return _playing != 0; }
    void update(float delta);
    void setParent(ImageSprite* sprite) { _parent = sprite; }
    void stop() { _playing = 0; }
    // Starts the named frame set of the parent's animation resource, unless it is the one
    // already chosen (finished or not). A name the resource lacks gives an empty set, and the
    // sprite keeps its frame.
    void play(const std::string& name);
    void setFrameTime(float milliseconds) { _animationFrameTime = milliseconds; }

    [[nodiscard]] std::int32_t getCurrentFrame() const { return _currentFrame; }
    [[nodiscard]] const std::string& getCurrentAnimation() const { return _currentAnim; }

private:
    std::vector<std::int32_t> _frames;
    ObjectRef _animation; // kept for callers that store it; no operation reads it
    std::int32_t _currentFrame = 0;
    std::int32_t _nextFrame = 0;
    std::string _currentAnim;
    std::int32_t _framePos = 0;
    float _frameTime = 0;
    std::int32_t _animDirection = 0;
    ImageSprite* _parent = nullptr; // the sprite owns its handler
    std::int32_t _playing = 0;
    std::int32_t _loopCount = 0;
    std::int32_t _loopPosition = 0;
    float _animationFrameTime = 0;
};

} // namespace tarvex::graphics
