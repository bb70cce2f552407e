// The live particles of one emitter, in spawn order, shared by the emitter's component and the
// render request that draws them. Particles that are done are kept aside and handed out again
// for the next spawn of the same class, so a steady stream allocates nothing once it has
// reached its usual size:
//
//     auto list = std::make_shared<ParticleList>();
//     BaseParticle* drop = list->spawn("WaterSplashParticle");   // null for an unknown class
//     list->update(16.0F);     // moves every particle, drops the finished ones
#pragma once

#include "core/Object.hpp"
#include "game/particles/BaseParticle.hpp"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace tarvex::game {

class ParticleList : public Object {
    TARVEX_OBJECT(ParticleList, Object)
public:
    // A new particle of the registered class `className` (BaseParticle or a class derived
    // from it) appended to the list; null, and nothing added, for any other name.
    BaseParticle* spawn(std::string_view className);
    // Updates every particle in order, then drops those that destroyed themselves (the others
    // keep their order).
    void update(float delta);
    // Drops every particle.
    void clear();

    [[nodiscard]] std::int32_t size() const { return static_cast<std::int32_t>(_live.size()); }
    [[nodiscard]] bool empty() const { return _live.empty(); }
    [[nodiscard]] std::span<const Ref<BaseParticle>> particles() const { return _live; }

private:
    [[nodiscard]] Ref<BaseParticle> _make(std::string_view className);

    std::vector<Ref<BaseParticle>> _live;
    // Finished particles of class `_spareType`, waiting to be used again.
    std::vector<Ref<BaseParticle>> _spare;
    const Type* _spareType = nullptr;
};

} // namespace tarvex::game
