// Draws all the particles of one emitter in one render request: a filled square per particle
// in its colour and alpha, in list order. The camera is not applied, and the blend mode is
// left as the previous draw set it. Consecutive squares share the drawing layer's batch, so a
// whole emitter costs one batch however many particles it has.
//
//     auto request = ParticlesRequest::Create(list);
//     renderer->getGroup("sprites")->add(request, "");
#pragma once

#include "game/particles/ParticleList.hpp"
#include "graphics/AbstractRenderRequest.hpp"

namespace tarvex::game {

class ParticlesRequest : public graphics::AbstractRenderRequest {
    TARVEX_OBJECT(ParticlesRequest, graphics::AbstractRenderRequest)
public:
    [[nodiscard]] static Ref<ParticlesRequest> Create(Ref<ParticleList> particles);

    [[nodiscard]] float getX() const override { return _xPos; }
    [[nodiscard]] float getY() const override { return _yPos; }
    // Particles move with their emitter's system, not with the render queue.
    void update(float /*delta*/) override {}
    void render(double tween, const graphics::AbstractRenderCamera* camera,
                std::int32_t ignoreCamera) override;

    [[nodiscard]] const Ref<ParticleList>& getParticles() const { return _particles; }

private:
    float _xPos = 0;
    float _yPos = 0;
    Ref<ParticleList> _particles;
};

} // namespace tarvex::game
