#include "graphics/SpriteBehaviour.hpp"

#include "core/Error.hpp"
#include "core/TypeBuilder.hpp"
#include "graphics/SpriteBehaviourService.hpp"

#include <cmath>

namespace tarvex::graphics {

const Type& AbstractSpriteBehaviour::staticType() {
    static const Type& type =
        TypeBuilder<AbstractSpriteBehaviour>("AbstractSpriteBehaviour")
            .field("_transitionType", &AbstractSpriteBehaviour::_transitionType)
            .field("_elapsedTime", &AbstractSpriteBehaviour::_elapsedTime)
            .field("_isFinished", &AbstractSpriteBehaviour::_isFinished)
            .build();
    return type;
}

AbstractSpriteBehaviour::AbstractSpriteBehaviour()
    : _transitionFunction([](float, float, float, float) -> float {
          throw Error("AbstractSpriteBehaviour -- no transition function set");
      }) {}

void AbstractSpriteBehaviour::setTransition(std::uint8_t type) {
    _transitionType = type;
    if (type == TRANSITION_LINEAR) {
        _transitionFunction = &TransitionFunction_Linear;
    } else if (type == TRANSITION_EASE_IN) {
        _transitionFunction = &TransitionFunction_EaseIn;
    }
}

float AbstractSpriteBehaviour::TransitionFunction_Linear(float t, float b, float c, float /*d*/) {
    return b + c * t;
}

float AbstractSpriteBehaviour::TransitionFunction_EaseIn(float t, float b, float c, float /*d*/) {
    return b + c * t * t;
}

const Type& SpriteBehaviour::staticType() {
    static const Type& type = TypeBuilder<SpriteBehaviour>("SpriteBehaviour")
                                  .field("_target", &SpriteBehaviour::_target)
                                  .field("_hideOnFinish", &SpriteBehaviour::_hideOnFinish)
                                  .build();
    return type;
}

SpriteBehaviour& SpriteBehaviour::hideOnFinish() {
    _hideOnFinish = true;
    return *this;
}

void SpriteBehaviour::onFinish() {
    if (_hideOnFinish && _target) {
        _target->hide();
    }
}

const Type& MoveSpriteBehaviour::staticType() {
    static const Type& type = TypeBuilder<MoveSpriteBehaviour>("MoveSpriteBehaviour")
                                  .field("_duration", &MoveSpriteBehaviour::_duration)
                                  .field("_elapsed", &MoveSpriteBehaviour::_elapsed)
                                  .field("_speed", &MoveSpriteBehaviour::_speed)
                                  .field("_xSpeed", &MoveSpriteBehaviour::_xSpeed)
                                  .field("_ySpeed", &MoveSpriteBehaviour::_ySpeed)
                                  .field("_targetX", &MoveSpriteBehaviour::_targetX)
                                  .field("_targetY", &MoveSpriteBehaviour::_targetY)
                                  .build();
    return type;
}

Ref<MoveSpriteBehaviour> MoveSpriteBehaviour::Create(const Ref<AbstractRenderRequest>& target,
                                                     float x, float y, float duration) {
    auto behaviour = std::make_shared<MoveSpriteBehaviour>();
    behaviour->setTarget(target);
    behaviour->setTargetPosition(x, y);
    behaviour->setDuration(duration);
    return behaviour;
}

MoveSpriteBehaviour& MoveSpriteBehaviour::setDuration(float duration) {
    _duration = duration;
    _speed = duration * 1000;
    if (_target && _speed != 0) {
        _xSpeed = (_targetX - _target->getX()) / _speed;
        _ySpeed = (_targetY - _target->getY()) / _speed;
    }
    return *this;
}

MoveSpriteBehaviour& MoveSpriteBehaviour::setTargetPosition(float x, float y) {
    _targetX = x;
    _targetY = y;
    return *this;
}

void MoveSpriteBehaviour::update(float /*delta*/) {
    if (!_target) {
        finished();
        return;
    }
    _target->move(_xSpeed, _ySpeed);
    if (std::floor(_target->getX()) == std::floor(_targetX) &&
        std::floor(_target->getY()) == std::floor(_targetY)) {
        finished();
    }
}

const Type& ParallelSpriteBehaviour::staticType() {
    static const Type& type = TypeBuilder<ParallelSpriteBehaviour>("ParallelSpriteBehaviour")
                                  .field("m_Animations", &ParallelSpriteBehaviour::m_Animations,
                                         &AbstractSpriteBehaviour::staticType)
                                  .build();
    return type;
}

Ref<ParallelSpriteBehaviour> ParallelSpriteBehaviour::Create() {
    return std::make_shared<ParallelSpriteBehaviour>();
}

ParallelSpriteBehaviour& ParallelSpriteBehaviour::Add(const Ref<SpriteBehaviour>& behaviour) {
    if (behaviour) {
        m_Animations.push_back(behaviour);
    }
    return *this;
}

void ParallelSpriteBehaviour::update(float delta) {
    if (m_Animations.empty()) {
        return;
    }
    std::size_t alreadyFinished = 0;
    for (const auto& child : m_Animations) {
        if (child->isFinished()) {
            ++alreadyFinished;
        } else {
            child->update(delta);
        }
    }
    if (alreadyFinished == m_Animations.size()) {
        finished();
    }
}

const Type& PhysicsMoveSpriteBehaviour::staticType() {
    static const Type& type = TypeBuilder<PhysicsMoveSpriteBehaviour>("PhysicsMoveSpriteBehaviour")
                                  .field("_duration", &PhysicsMoveSpriteBehaviour::_duration)
                                  .field("_elapsed", &PhysicsMoveSpriteBehaviour::_elapsed)
                                  .field("_xSpeed", &PhysicsMoveSpriteBehaviour::_xSpeed)
                                  .field("_ySpeed", &PhysicsMoveSpriteBehaviour::_ySpeed)
                                  .field("_gravity", &PhysicsMoveSpriteBehaviour::_gravity)
                                  .build();
    return type;
}

Ref<PhysicsMoveSpriteBehaviour>
PhysicsMoveSpriteBehaviour::Create(const Ref<AbstractRenderRequest>& target, float xSpeed,
                                   float ySpeed, float duration, float gravity) {
    auto behaviour = std::make_shared<PhysicsMoveSpriteBehaviour>();
    behaviour->setTarget(target);
    behaviour->setDuration(duration);
    behaviour->setGravity(gravity);
    behaviour->_xSpeed = xSpeed;
    behaviour->_ySpeed = ySpeed;
    return behaviour;
}

PhysicsMoveSpriteBehaviour& PhysicsMoveSpriteBehaviour::setDuration(float duration) {
    _duration = duration;
    return *this;
}

PhysicsMoveSpriteBehaviour& PhysicsMoveSpriteBehaviour::setGravity(float gravity) {
    _gravity = gravity;
    return *this;
}

void PhysicsMoveSpriteBehaviour::update(float delta) {
    _ySpeed += _gravity;
    if (_target) {
        _target->move(_xSpeed, _ySpeed);
    }
    _elapsed += delta;
    if (_elapsed > _duration) {
        finished();
    }
}

const Type& PixelMoveSpriteBehaviour::staticType() {
    static const Type& type = TypeBuilder<PixelMoveSpriteBehaviour>("PixelMoveSpriteBehaviour")
                                  .field("_xSpeed", &PixelMoveSpriteBehaviour::_xSpeed)
                                  .field("_ySpeed", &PixelMoveSpriteBehaviour::_ySpeed)
                                  .field("_targetX", &PixelMoveSpriteBehaviour::_targetX)
                                  .field("_targetY", &PixelMoveSpriteBehaviour::_targetY)
                                  .field("_elapsed", &PixelMoveSpriteBehaviour::_elapsed)
                                  .field("_duration", &PixelMoveSpriteBehaviour::_duration)
                                  .build();
    return type;
}

Ref<PixelMoveSpriteBehaviour>
PixelMoveSpriteBehaviour::Create(const Ref<AbstractRenderRequest>& target, float x, float y,
                                 std::int32_t duration, std::uint8_t transition) {
    auto behaviour = std::make_shared<PixelMoveSpriteBehaviour>();
    behaviour->setTarget(target);
    behaviour->setTargetPosition(x, y);
    behaviour->setDuration(duration);
    behaviour->setTransition(transition);
    return behaviour;
}

PixelMoveSpriteBehaviour& PixelMoveSpriteBehaviour::setTargetPosition(float x, float y) {
    _targetX = x;
    _targetY = y;
    return *this;
}

PixelMoveSpriteBehaviour& PixelMoveSpriteBehaviour::setSpeed(float x, float y) {
    _xSpeed = x;
    _ySpeed = y;
    return *this;
}

PixelMoveSpriteBehaviour& PixelMoveSpriteBehaviour::setDuration(std::int32_t duration) {
    _duration = duration;
    return *this;
}

void PixelMoveSpriteBehaviour::update(float /*delta*/) {
    if (_target) {
        _target->move(_xSpeed, _ySpeed);
    }
    ++_elapsed;
    // At or past: a duration of 0 or less would otherwise never end.
    if (_elapsed >= _duration) {
        finished();
    }
}

const Type& SequentialSpriteBehaviour::staticType() {
    static const Type& type =
        TypeBuilder<SequentialSpriteBehaviour>("SequentialSpriteBehaviour")
            .field("RepeatLimit", &SequentialSpriteBehaviour::RepeatLimit)
            .field("m_Animations", &SequentialSpriteBehaviour::m_Animations,
                   &AbstractSpriteBehaviour::staticType)
            .field("m_RepeatCount", &SequentialSpriteBehaviour::m_RepeatCount)
            .field("m_CurrentSprite", &SequentialSpriteBehaviour::m_CurrentSprite)
            .field("m_AnimPosition", &SequentialSpriteBehaviour::m_AnimPosition)
            .build();
    return type;
}

Ref<SequentialSpriteBehaviour> SequentialSpriteBehaviour::Create(std::int32_t repeatLimit) {
    auto behaviour = std::make_shared<SequentialSpriteBehaviour>();
    behaviour->RepeatLimit = repeatLimit;
    return behaviour;
}

SequentialSpriteBehaviour& SequentialSpriteBehaviour::Add(const Ref<SpriteBehaviour>& behaviour) {
    if (!behaviour) {
        return *this;
    }
    m_Animations.push_back(behaviour);
    if (m_Animations.size() == 1) {
        m_CurrentSprite = behaviour;
        m_AnimPosition = 0;
    }
    return *this;
}

void SequentialSpriteBehaviour::update(float delta) {
    if (m_Animations.empty() || isFinished()) {
        return;
    }
    m_CurrentSprite->update(delta);
    if (!m_CurrentSprite->isFinished()) {
        return;
    }
    ++m_AnimPosition;
    if (static_cast<std::size_t>(m_AnimPosition) < m_Animations.size()) {
        m_CurrentSprite = m_Animations[static_cast<std::size_t>(m_AnimPosition)];
    } else if (m_RepeatCount >= RepeatLimit) {
        finished();
    } else {
        ++m_RepeatCount;
        m_AnimPosition = 0;
        m_CurrentSprite = m_Animations.front();
    }
}

const Type& SpriteBehaviourService::staticType() {
    static const Type& type = TypeBuilder<SpriteBehaviourService>("SpriteBehaviourService")
                                  .meta("implements", "update")
                                  .build();
    return type;
}

SpriteBehaviourService::SpriteBehaviourService() {
    init();
}

void SpriteBehaviourService::add(const Ref<AbstractSpriteBehaviour>& behaviour) {
    if (!behaviour) {
        return;
    }
    _behaviours.push_back(behaviour);
    behaviour->onStart();
}

void SpriteBehaviourService::update(float delta) {
    // By index: a behaviour may add another while it runs.
    for (std::size_t i = 0; i < _behaviours.size();) {
        const Ref<AbstractSpriteBehaviour> behaviour = _behaviours[i];
        behaviour->update(delta);
        if (behaviour->isFinished()) {
            behaviour->onFinish();
            _behaviours.erase(_behaviours.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ++i;
        }
    }
}

} // namespace tarvex::graphics
