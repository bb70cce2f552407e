#include "graphics/ImageSprite.hpp"

#include "core/TypeBuilder.hpp"
#include "platform/DrawingLayer.hpp"

namespace tarvex::graphics {

const Type& SpriteAnimationHandler::staticType() {
    static const Type& type =
        TypeBuilder<SpriteAnimationHandler>("SpriteAnimationHandler")
            .field("_animation", &SpriteAnimationHandler::_animation)
            .field("_currentFrame", &SpriteAnimationHandler::_currentFrame)
            .field("_nextFrame", &SpriteAnimationHandler::_nextFrame)
            .field("_currentAnim", &SpriteAnimationHandler::_currentAnim)
            .field("_framePos", &SpriteAnimationHandler::_framePos)
            .field("_frameTime", &SpriteAnimationHandler::_frameTime)
            .field("_animDirection", &SpriteAnimationHandler::_animDirection)
            .field("_parent", &SpriteAnimationHandler::_parent)
            .field("_playing", &SpriteAnimationHandler::_playing)
            .field("_loopCount", &SpriteAnimationHandler::_loopCount)
            .field("_loopPosition", &SpriteAnimationHandler::_loopPosition)
            .field("_animationFrameTime", &SpriteAnimationHandler::_animationFrameTime)
            .build();
    return type;
}

void SpriteAnimationHandler::play(const std::string& name) {
    if (name == _currentAnim) {
        return;
    }
    _currentAnim = name;
    const AnimationResource* resource = _parent ? _parent->getAnimation().get() : nullptr;
    if (resource == nullptr) {
        _frames.clear();
    } else {
        _frames = resource->getFrameset(name);
        _loopCount = resource->getLoopCount();
        _animationFrameTime = static_cast<float>(resource->getFrameTime());
    }
    _framePos = 0;
    if (!_frames.empty()) {
        _currentFrame = _frames.front();
    }
    _loopPosition = 0;
    _playing = 1;
}

void SpriteAnimationHandler::update(float delta) {
    if (_parent == nullptr || !_parent->getAnimation() || _frames.empty() || _playing == 0) {
        return;
    }
    _frameTime += delta;
    if (_frameTime >= _animationFrameTime) {
        _frameTime -= _animationFrameTime;
        ++_framePos;
        if (static_cast<std::size_t>(_framePos) >= _frames.size()) {
            ++_loopPosition;
            if (_loopCount != AnimationResource::LOOP_FOREVER && _loopPosition >= _loopCount) {
                _playing = 0; // hold the last frame
                _framePos = static_cast<std::int32_t>(_frames.size()) - 1;
            } else {
                _framePos = 0;
            }
        }
        _currentFrame = _frames[static_cast<std::size_t>(_framePos)];
    }
    _parent->setFrame(_currentFrame);
}

const Type& ImageSprite::staticType() {
    static const Type& type = TypeBuilder<ImageSprite>("ImageSprite")
                                  .field("_frame", &ImageSprite::_frame)
                                  .field("_image", &ImageSprite::_image)
                                  .field("_animationRunner", &ImageSprite::_animationRunner)
                                  .field("_animation", &ImageSprite::_animation)
                                  .build();
    return type;
}

ImageSprite::ImageSprite() : _animationRunner(std::make_shared<SpriteAnimationHandler>()) {
    _animationRunner->setParent(this);
}

Ref<ImageSprite> ImageSprite::Create(Ref<platform::Image> image, std::int32_t x, std::int32_t y) {
    auto sprite = std::make_shared<ImageSprite>();
    sprite->setImage(std::move(image), 0);
    sprite->setPosition(static_cast<float>(x), static_cast<float>(y));
    return sprite;
}

bool ImageSprite::isAnimationFinished() const {
    return !_animationRunner->isPlaying();
}

ImageSprite& ImageSprite::setImage(Ref<platform::Image> image, std::int32_t frame) {
    _image = std::move(image);
    _frame = frame;
    return *this;
}

ImageSprite& ImageSprite::setFrame(std::int32_t frame) {
    _frame = frame;
    return *this;
}

ImageSprite& ImageSprite::setAnimation(Ref<AnimationResource> animation) {
    _animation = std::move(animation);
    return *this;
}

void ImageSprite::stopAnimation() {
    _animationRunner->stop();
}

void ImageSprite::setFrameTime(std::int32_t milliseconds) {
    _animationRunner->setFrameTime(static_cast<float>(milliseconds));
}

void ImageSprite::play(const std::string& name, float /*speed*/) {
    _animationRunner->play(name);
}

void ImageSprite::update(float delta) {
    AbstractSpriteRequest::update(delta);
    _animationRunner->update(delta);
}

void ImageSprite::render(double /*tween*/, const AbstractRenderCamera* camera,
                         std::int32_t ignoreCamera) {
    _interpolate(0);
    setRenderState();
    if (!_image || !_isVisible) {
        return;
    }
    float x = 0;
    float y = 0;
    _screenPosition(camera, ignoreCamera, x, y);
    platform::drawingLayer().drawImage(*_image, x, y, _frame);
}

} // namespace tarvex::graphics
