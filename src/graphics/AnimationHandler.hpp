// A queue of animations run one after another on a render request. Every sprite-like request
// owns one; an animation is added with addAnimation and runs from the next update. When the
// last one finishes the queue starts over from the first (without resetting them) until the
// repeat limit is reached.
//
//     sprite->addAnimation(std::make_shared<Pulse>());   // Pulse: an AbstractSpriteAnimation
#pragma once

#include "core/Object.hpp"

#include <cstdint>
#include <vector>

namespace tarvex::graphics {

class AbstractRenderRequest;

class AbstractSpriteAnimation : public Object {
    TARVEX_OBJECT(AbstractSpriteAnimation, Object)
public:
    [[nodiscard]] virtual bool isFinished() const { return _isFinished; }
    virtual void finished() { _isFinished = true; }
    virtual void setParent(AbstractRenderRequest* parent) = 0;
    virtual void update(float delta) = 0;

protected:
    bool _isFinished = false;
};

class AnimationHandler : public Object {
    TARVEX_OBJECT(AnimationHandler, Object)
public:
    AnimationHandler() = default;
    [[nodiscard]] static Ref<AnimationHandler> Create(AbstractRenderRequest* parent);

    [[nodiscard]] bool isFinished() const { return _isFinished; }
    void add(const Ref<AbstractSpriteAnimation>& animation);
    // Runs the current animation; raises "Invalid sprite in AnimationHandler.update()" when
    // animations are listed but none is current.
    void update(float delta);

    [[nodiscard]] std::int32_t countAnimations() const {
        return static_cast<std::int32_t>(_animations.size());
    }
    void setRepeatLimit(std::int32_t limit) { _repeatLimit = limit; }

private:
    Ref<AbstractSpriteAnimation> _currentAnim;
    AbstractRenderRequest* _parent = nullptr; // the request owns its handler
    std::vector<Ref<AbstractSpriteAnimation>> _animations;
    std::int32_t _repeatLimit = 0;
    bool _isFinished = false;
    std::int32_t _repeatCount = 0;
    std::int32_t _animPosition = -1;
};

} // namespace tarvex::graphics
