#include "graphics/AnimationHandler.hpp"

#include "core/Error.hpp"
#include "core/TypeBuilder.hpp"
#include "graphics/AbstractRenderRequest.hpp"

namespace tarvex::graphics {

const Type& AbstractSpriteAnimation::staticType() {
    static const Type& type = TypeBuilder<AbstractSpriteAnimation>("AbstractSpriteAnimation")
                                  .field("_isFinished", &AbstractSpriteAnimation::_isFinished)
                                  .build();
    return type;
}

const Type& AnimationHandler::staticType() {
    static const Type& type = TypeBuilder<AnimationHandler>("AnimationHandler")
                                  .field("_currentAnim", &AnimationHandler::_currentAnim)
                                  .field("_parent", &AnimationHandler::_parent)
                                  .field("_repeatLimit", &AnimationHandler::_repeatLimit)
                                  .field("_isFinished", &AnimationHandler::_isFinished)
                                  .field("_repeatCount", &AnimationHandler::_repeatCount)
                                  .field("_animPosition", &AnimationHandler::_animPosition)
                                  .build();
    return type;
}

Ref<AnimationHandler> AnimationHandler::Create(AbstractRenderRequest* parent) {
    auto handler = std::make_shared<AnimationHandler>();
    handler->_parent = parent;
    return handler;
}

void AnimationHandler::add(const Ref<AbstractSpriteAnimation>& animation) {
    if (!animation) {
        return;
    }
    animation->setParent(_parent);
    _animations.push_back(animation);
    if (_animations.size() == 1) {
        _currentAnim = animation;
        _animPosition = 0;
    }
}

void AnimationHandler::update(float delta) {
    if (_isFinished || _animations.empty()) {
        return;
    }
    if (!_currentAnim) {
        throw Error("Invalid sprite in AnimationHandler.update()");
    }
    _currentAnim->update(delta);
    if (!_currentAnim->isFinished()) {
        return;
    }
    ++_animPosition;
    if (static_cast<std::size_t>(_animPosition) < _animations.size()) {
        _currentAnim = _animations[static_cast<std::size_t>(_animPosition)];
    } else if (_repeatCount < _repeatLimit) {
        ++_repeatCount;
        _animPosition = 0;
        _currentAnim = _animations.front();
    } else {
        _isFinished = true;
    }
}

} // namespace tarvex::graphics
