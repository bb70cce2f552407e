// Behaviours move render requests over time. Each is added to the SpriteBehaviourService,
// which updates it every frame until it reports finished, then calls its onFinish():
//
//     behaviours->add(MoveSpriteBehaviour::Create(label, 100, 40, 0.5F));
//     auto both = ParallelSpriteBehaviour::Create();
//     both->Add(PhysicsMoveSpriteBehaviour::Create(spark, 1, -3, 800, 0.2F));
//
// Unless stated otherwise one update is one step, whatever the frame time.
#pragma once

#include "graphics/AbstractRenderRequest.hpp"

#include <cstdint>
#include <functional>
#include <vector>

namespace tarvex::graphics {

class AbstractSpriteBehaviour : public Object {
    TARVEX_OBJECT(AbstractSpriteBehaviour, Object)
public:
    static constexpr std::uint8_t TRANSITION_LINEAR = 1;
    static constexpr std::uint8_t TRANSITION_EASE_IN = 2;
    static constexpr std::uint8_t TRANSITION_EASE_OUT = 3;
    static constexpr std::uint8_t TRANSITION_EASE_IN_OUT = 4;
    using TransitionFunction = std::function<float(float, float, float, float)>;

    AbstractSpriteBehaviour();

    [[nodiscard]] virtual bool isFinished() const { return _isFinished; }
    virtual void finished() { _isFinished = true; }
    // Linear and ease-in select a function; other types keep the current one.
    virtual void setTransition(std::uint8_t type);
    virtual void setTarget(const Ref<AbstractRenderRequest>& target) = 0;
    virtual void update(float delta) = 0;
    virtual void onStart() {}
    virtual void onFinish() {}
    [[nodiscard]] static float TransitionFunction_Linear(float t, float b, float c, float d);
    [[nodiscard]] static float TransitionFunction_EaseIn(float t, float b, float c, float d);

    // Raises an error until a transition is chosen.
    [[nodiscard]] float transition(float t, float b, float c, float d) const {
        return _transitionFunction(t, b, c, d);
    }

protected:
    std::uint8_t _transitionType = 0;
    TransitionFunction _transitionFunction;
    float _elapsedTime = 0;
    bool _isFinished = false;
};

class SpriteBehaviour : public AbstractSpriteBehaviour {
    TARVEX_OBJECT(SpriteBehaviour, AbstractSpriteBehaviour)
public:
    [[nodiscard]] virtual const Ref<AbstractRenderRequest>& getTarget() const { return _target; }
    virtual void preRender(float /*delta*/) {}
    virtual void postRender(float /*delta*/) {}
    // The target is hidden when the behaviour finishes.
    virtual SpriteBehaviour& hideOnFinish();
    void setTarget(const Ref<AbstractRenderRequest>& target) override { _target = target; }
    void update(float /*delta*/) override {}
    void onFinish() override;

protected:
    Ref<AbstractRenderRequest> _target;
    bool _hideOnFinish = false;
};

// Moves its target towards a point in equal steps, one per update; `duration` (seconds) sets
// the step as the distance divided by duration x 1000. Finished when the whole-unit positions
// match.
class MoveSpriteBehaviour : public SpriteBehaviour {
    TARVEX_OBJECT(MoveSpriteBehaviour, SpriteBehaviour)
public:
    [[nodiscard]] static Ref<MoveSpriteBehaviour> Create(const Ref<AbstractRenderRequest>& target,
                                                         float x, float y, float duration);
    // Needs the target and the target position first.
    MoveSpriteBehaviour& setDuration(float duration);
    MoveSpriteBehaviour& setTargetPosition(float x, float y);
    void update(float delta) override;

private:
    float _duration = 0;
    float _elapsed = 0;
    float _speed = 0;
    float _xSpeed = 0;
    float _ySpeed = 0;
    float _targetX = 0;
    float _targetY = 0;
};

// Runs its children side by side; finished once every child has finished.
class ParallelSpriteBehaviour : public SpriteBehaviour {
    TARVEX_OBJECT(ParallelSpriteBehaviour, SpriteBehaviour)
public:
    [[nodiscard]] static Ref<ParallelSpriteBehaviour> Create();
    ParallelSpriteBehaviour& Add(const Ref<SpriteBehaviour>& behaviour);
    void update(float delta) override;

private:
    std::vector<Ref<SpriteBehaviour>> m_Animations;
};

// A thrown object: constant horizontal speed, vertical speed growing by `gravity` each
// update; finished when more than `duration` milliseconds have passed.
class PhysicsMoveSpriteBehaviour : public SpriteBehaviour {
    TARVEX_OBJECT(PhysicsMoveSpriteBehaviour, SpriteBehaviour)
public:
    [[nodiscard]] static Ref<PhysicsMoveSpriteBehaviour>
    Create(const Ref<AbstractRenderRequest>& target, float xSpeed, float ySpeed, float duration,
           float gravity);
    PhysicsMoveSpriteBehaviour& setDuration(float duration);
    PhysicsMoveSpriteBehaviour& setGravity(float gravity);
    void update(float delta) override;

private:
    float _duration = 0;
    float _elapsed = 0;
    float _xSpeed = 0;
    float _ySpeed = 0;
    float _gravity = 0;
};

// Moves by a fixed step per update (set with setSpeed) for `duration` updates.
class PixelMoveSpriteBehaviour : public SpriteBehaviour {
    TARVEX_OBJECT(PixelMoveSpriteBehaviour, SpriteBehaviour)
public:
    [[nodiscard]] static Ref<PixelMoveSpriteBehaviour>
    Create(const Ref<AbstractRenderRequest>& target, float x, float y, std::int32_t duration,
           std::uint8_t transition);
    PixelMoveSpriteBehaviour& setTargetPosition(float x, float y);
    PixelMoveSpriteBehaviour& setSpeed(float x, float y);
    PixelMoveSpriteBehaviour& setDuration(std::int32_t duration);
    void update(float delta) override;

private:
    float _xSpeed = 0;
    float _ySpeed = 0;
    float _targetX = 0;
    float _targetY = 0;
    std::int32_t _elapsed = 0;
    std::int32_t _duration = 0;
};

// Runs its children one after another, then starts over (children are not reset) until it has
// repeated `repeatLimit` times.
class SequentialSpriteBehaviour : public SpriteBehaviour {
    TARVEX_OBJECT(SequentialSpriteBehaviour, SpriteBehaviour)
public:
    [[nodiscard]] static Ref<SequentialSpriteBehaviour> Create(std::int32_t repeatLimit);
    SequentialSpriteBehaviour& Add(const Ref<SpriteBehaviour>& behaviour);
    void update(float delta) override;

    std::int32_t RepeatLimit = 0;

private:
    std::vector<Ref<SpriteBehaviour>> m_Animations;
    std::int32_t m_RepeatCount = 0;
    Ref<SpriteBehaviour> m_CurrentSprite;
    std::int32_t m_AnimPosition = -1;
};

} // namespace tarvex::graphics
