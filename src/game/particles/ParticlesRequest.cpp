#include "game/particles/ParticlesRequest.hpp"

#include "core/TypeBuilder.hpp"
#include "platform/DrawingLayer.hpp"

namespace tarvex::game {

const Type& ParticlesRequest::staticType() {
    static const Type& type = TypeBuilder<ParticlesRequest>("ParticlesRequest")
                                  .field("_xPos", &ParticlesRequest::_xPos)
                                  .field("_yPos", &ParticlesRequest::_yPos)
                                  .field("_particles", &ParticlesRequest::_particles)
                                  .build();
    return type;
}

Ref<ParticlesRequest> ParticlesRequest::Create(Ref<ParticleList> particles) {
    auto request = std::make_shared<ParticlesRequest>();
    request->_particles = std::move(particles);
    return request;
}

void ParticlesRequest::render(double /*tween*/, const graphics::AbstractRenderCamera* /*camera*/,
                              std::int32_t /*ignoreCamera*/) {
    if (!_particles) {
        return;
    }
    auto& gfx = platform::drawingLayer();
    for (const auto& particle : _particles->particles()) {
        gfx.setColor(particle->colorRed, particle->colorGreen, particle->colorBlue);
        gfx.setAlpha(particle->getAlpha());
        gfx.drawRect(particle->x_pos, particle->y_pos, static_cast<float>(particle->width),
                     static_cast<float>(particle->height));
    }
    gfx.setAlpha(1.0F);
}

} // namespace tarvex::game
