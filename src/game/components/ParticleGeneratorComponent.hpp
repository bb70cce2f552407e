// A particle emitter: where particles appear, how many and how often, and which particle class
// makes them. The particle systems create its particle list and render request when it enters
// the world and interpret `spawn_frequency` each frame; other systems steer it through
// `spawn_frequency`, `x_pos` and `y_pos`.
#pragma once

#include "entities/EntityComponent.hpp"
#include "graphics/AbstractRenderRequest.hpp"

#include <cstdint>
#include <string>

namespace tarvex::game {

class ParticleGeneratorComponent : public EntityComponent {
    TARVEX_OBJECT(ParticleGeneratorComponent, EntityComponent)
public:
    float x_pos = 0;
    float y_pos = 0;
    std::int32_t min_particles = 0;
    std::int32_t max_particles = 0;
    std::int32_t min_frame = 0;
    std::int32_t max_frame = 0;
    std::string particle_sprite;
    std::string animation_name;
    std::string frameset_name;
    float particle_lifespan = 0;
    float width = 0;
    float height = 0;
    std::int32_t min_lifespan = 0;
    std::int32_t max_lifespan = 0;
    float spawn_frequency = 1.0F;

    // The class name of the particles to make ("SmokeParticle", ...); "" makes none.
    std::string _particle_type;
    // The live particles, made by the particle systems.
    ObjectRef _particles;
    std::int32_t _to_generate = -1;
    std::int32_t _generated = 0;
    // The render request that draws the particles.
    Ref<graphics::AbstractRenderRequest> _request;
};

} // namespace tarvex::game
