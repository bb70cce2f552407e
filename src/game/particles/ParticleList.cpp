#include "game/particles/ParticleList.hpp"

#include "core/TypeBuilder.hpp"
#include "core/TypeRegistry.hpp"

#include <algorithm>

namespace tarvex::game {

const Type& ParticleList::staticType() {
    static const Type& type = TypeBuilder<ParticleList>("ParticleList").build();
    return type;
}

Ref<BaseParticle> ParticleList::_make(std::string_view className) {
    const Type* type = _spareType != nullptr && _spareType->getName() == className
                           ? _spareType
                           : TypeRegistry::instance().findByName(className);
    if (type == nullptr || !type->derivesFrom(BaseParticle::staticType())) {
        return nullptr;
    }
    if (type == _spareType && !_spare.empty()) {
        auto particle = std::move(_spare.back());
        _spare.pop_back();
        particle->_reset();
        return particle;
    }
    if (type != _spareType) {
        // An emitter makes one class; should it change, the old spares are of no use.
        _spare.clear();
        _spareType = type;
    }
    return std::dynamic_pointer_cast<BaseParticle>(type->create());
}

BaseParticle* ParticleList::spawn(std::string_view className) {
    auto particle = _make(className);
    if (!particle) {
        return nullptr;
    }
    _live.push_back(std::move(particle));
    return _live.back().get();
}

void ParticleList::update(float delta) {
    for (const auto& particle : _live) {
        particle->update(delta);
    }
    // Keep the survivors in order; the finished ones go to the spares of their class.
    auto kept = _live.begin();
    for (auto& particle : _live) {
        if (!particle->isDeleted()) {
            if (&*kept != &particle) {
                *kept = std::move(particle);
            }
            ++kept;
        } else if (&particle->getType() == _spareType) {
            _spare.push_back(std::move(particle));
        }
    }
    _live.erase(kept, _live.end());
}

void ParticleList::clear() {
    _live.clear();
    _spare.clear();
}

} // namespace tarvex::game
