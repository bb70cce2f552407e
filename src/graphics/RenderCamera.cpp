#include "graphics/RenderCamera.hpp"

#include "core/TypeBuilder.hpp"
#include "graphics/AbstractSpriteRequest.hpp"

namespace tarvex::graphics {

const Type& AbstractRenderCamera::staticType() {
    static const Type& type = TypeBuilder<AbstractRenderCamera>("AbstractRenderCamera").build();
    return type;
}

const Type& CameraBehaviour::staticType() {
    static const Type& type = TypeBuilder<CameraBehaviour>("CameraBehaviour")
                                  .field("_camera", &CameraBehaviour::_camera)
                                  .build();
    return type;
}

void CameraBehaviour::update(float /*delta*/) {
    if (_camera == nullptr) {
        return;
    }
    _camera->getPreviousPosition() = _camera->getPosition();
    if (const AbstractSpriteRequest* target = _camera->getTarget()) {
        Position2D& position = _camera->getPosition();
        position.setPositionX(target->getX() - static_cast<float>(_camera->quarterWidth()));
        position.setPositionY(target->getY() - static_cast<float>(_camera->quarterHeight()));
    }
}

const Type& RenderCamera::staticType() {
    static const Type& type = TypeBuilder<RenderCamera>("RenderCamera")
                                  .field("_screenPosition", &RenderCamera::_screenPosition)
                                  .field("_position", &RenderCamera::_position)
                                  .field("_previousPosition", &RenderCamera::_previousPosition)
                                  .field("_bounds", &RenderCamera::_bounds)
                                  .field("_target", &RenderCamera::_target)
                                  .field("_behaviour", &RenderCamera::_behaviour)
                                  .field("width", &RenderCamera::width)
                                  .field("height", &RenderCamera::height)
                                  .build();
    return type;
}

Ref<RenderCamera> RenderCamera::Create(std::int32_t width, std::int32_t height, std::int32_t x,
                                       std::int32_t y) {
    auto camera = std::make_shared<RenderCamera>();
    camera->width = width;
    camera->height = height;
    camera->setPosition(x, y);
    camera->setBehaviour(std::make_shared<CameraBehaviour>());
    return camera;
}

bool RenderCamera::isInLeftBounds() const {
    return getX() > _bounds.getX();
}

bool RenderCamera::isInRightBounds() const {
    const std::int32_t halfWidth = width / 2; // whole units, as the view size is
    return getX() + static_cast<float>(halfWidth) < _bounds.getX() + _bounds.getWidth();
}

bool RenderCamera::isInTopBounds() const {
    return getY() > _bounds.getY();
}

bool RenderCamera::isInBottomBounds() const {
    const std::int32_t halfHeight = height / 2;
    return getY() + static_cast<float>(halfHeight) < _bounds.getY() + _bounds.getHeight();
}

void RenderCamera::setPosition(std::int32_t x, std::int32_t y) {
    _position.setPosition(static_cast<float>(x), y);
}

void RenderCamera::setBounds(float x, float y, float w, float h) {
    _bounds.setPosition(x, static_cast<std::int32_t>(y));
    _bounds.setSize(w, h);
}

void RenderCamera::setTarget(const Ref<AbstractSpriteRequest>& sprite, bool jump) {
    if (!sprite) {
        return;
    }
    _target = sprite;
    if (jump) {
        jumpToTarget();
    }
    if (_behaviour) {
        _behaviour->afterTargetSet();
    }
}

void RenderCamera::jumpToTarget() {
    if (!_target) {
        return;
    }
    float x = _target->getX() - static_cast<float>(quarterWidth());
    float y = _target->getY() - static_cast<float>(quarterHeight());
    const float right = _bounds.getX() + _bounds.getWidth();
    const float bottom = _bounds.getY() + _bounds.getHeight();
    if (x < _bounds.getX()) {
        x = _bounds.getX();
    } else if (x + getWidth() / 2 > right) {
        x = right - getWidth() / 2;
    }
    if (y < _bounds.getY()) {
        y = _bounds.getY();
    } else if (y + getHeight() / 2 > bottom) {
        y = bottom - getHeight() / 2;
    }
    _position.setPositionX(x);
    _position.setPositionY(y);
}

Ref<Position2D> RenderCamera::getTargetPosition() const {
    if (!_target) {
        return nullptr;
    }
    return std::make_shared<Position2D>(_target->getX() - getX(), _target->getY() - getY());
}

void RenderCamera::setBehaviour(Ref<CameraBehaviour> behaviour) {
    _behaviour = std::move(behaviour);
    if (_behaviour) {
        _behaviour->setCamera(this);
        _behaviour->afterCameraSet();
    }
}

void RenderCamera::update(float delta) {
    if (_behaviour) {
        _behaviour->update(delta);
    }
}

} // namespace tarvex::graphics
