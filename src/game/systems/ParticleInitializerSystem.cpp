#include "game/systems/ParticleInitializerSystem.hpp"

#include "core/TypeBuilder.hpp"
#include "game/components/ParticleGeneratorComponent.hpp"
#include "game/particles/ParticlesRequest.hpp"

namespace tarvex::game {

const Type& ParticleInitializerSystem::staticType() {
    using S = ParticleInitializerSystem;
    static const Type& type = TypeBuilder<S>("ParticleInitializerSystem")
                                  .meta("component_types", "ParticleGeneratorComponent")
                                  .field("_generatorLookup", &S::_generatorLookup,
                                         {{"component_type", "ParticleGeneratorComponent"}})
                                  .field("_renderer", &S::_renderer, {{"autoload_service", "1"}})
                                  .build();
    return type;
}

void ParticleInitializerSystem::initialize() {
    InitializerEntityProcessingSystem::initialize();
    autoloadServices(true);
}

void ParticleInitializerSystem::processEntity(Entity& entity) {
    auto* generator = entity.getComponentAs<ParticleGeneratorComponent>(_generatorLookup.get());
    if (generator == nullptr || generator->_particles) {
        return;
    }
    auto particles = std::make_shared<ParticleList>();
    auto request = ParticlesRequest::Create(particles);
    generator->_particles = particles;
    generator->_request = request;
    if (auto group = _renderer ? _renderer->getGroup("sprites") : nullptr) {
        group->add(request, "");
    }
}

} // namespace tarvex::game
