// Fades every labelled score fly-off by 0.01 of alpha per frame and deletes the entity once
// its label is fully faded (about 100 frames from alpha 1; the label sweeper then takes the
// label away).
#pragma once

#include "entities/EntityProcessingSystem.hpp"

namespace tarvex::game {

class ScoreFlyoffSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(ScoreFlyoffSystem, EntityProcessingSystem)
public:
    static constexpr float FADE_PER_FRAME = 0.01F;

    void processEntity(Entity& entity) override;

private:
    Ref<ComponentType> _labelLookup;
};

} // namespace tarvex::game
