#include "game/systems/ParticleSweeperSystem.hpp"

#include "core/TypeBuilder.hpp"
#include "game/components/ParticleGeneratorComponent.hpp"
#include "game/particles/ParticleList.hpp"

namespace tarvex::game {

const Type& ParticleSweeperSystem::staticType() {
    using S = ParticleSweeperSystem;
    static const Type& type = TypeBuilder<S>("ParticleSweeperSystem")
                                  .meta("component_types", "ParticleGeneratorComponent")
                                  .field("_generatorLookup", &S::_generatorLookup,
                                         {{"component_type", "ParticleGeneratorComponent"}})
                                  .field("_renderer", &S::_renderer, {{"autoload_service", "1"}})
                                  .build();
    return type;
}

void ParticleSweeperSystem::initialize() {
    SweeperEntityProcessingSystem::initialize();
    autoloadServices(true);
}

void ParticleSweeperSystem::processEntity(Entity& entity) {
    auto* generator = entity.getComponentAs<ParticleGeneratorComponent>(_generatorLookup.get());
    if (generator == nullptr || !generator->_request) {
        return;
    }
    if (auto group = _renderer ? _renderer->getGroup("sprites") : nullptr) {
        group->remove(generator->_request);
    }
    generator->_request = nullptr;
    if (auto* particles = dynamic_cast<ParticleList*>(generator->_particles.get())) {
        particles->clear();
    }
    generator->_particles = nullptr;
}

} // namespace tarvex::game
