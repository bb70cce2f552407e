#include "game/components/ParticleGeneratorComponent.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::game {

const Type& ParticleGeneratorComponent::staticType() {
    using C = ParticleGeneratorComponent;
    static const Type& type = TypeBuilder<C>("ParticleGeneratorComponent")
                                  .meta("name", "particle_generator")
                                  .field("x_pos", &C::x_pos)
                                  .field("y_pos", &C::y_pos)
                                  .field("min_particles", &C::min_particles)
                                  .field("max_particles", &C::max_particles)
                                  .field("min_frame", &C::min_frame)
                                  .field("max_frame", &C::max_frame)
                                  .field("particle_sprite", &C::particle_sprite)
                                  .field("animation_name", &C::animation_name)
                                  .field("frameset_name", &C::frameset_name)
                                  .field("particle_lifespan", &C::particle_lifespan)
                                  .field("width", &C::width)
                                  .field("height", &C::height)
                                  .field("min_lifespan", &C::min_lifespan)
                                  .field("max_lifespan", &C::max_lifespan)
                                  .field("spawn_frequency", &C::spawn_frequency)
                                  .field("_particle_type", &C::_particle_type)
                                  .field("_particles", &C::_particles)
                                  .field("_to_generate", &C::_to_generate)
                                  .field("_generated", &C::_generated)
                                  .field("_request", &C::_request)
                                  .build();
    return type;
}

} // namespace tarvex::game
