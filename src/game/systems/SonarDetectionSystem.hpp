// Fades a submarine revealed by sonar back out, a little every step; once it is invisible again
// it is no longer marked as detected and a later pulse can reveal it anew.
#pragma once

#include "entities/EntityProcessingSystem.hpp"

namespace tarvex::game {

class SonarDetectionSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(SonarDetectionSystem, EntityProcessingSystem)
public:
    static constexpr float FADE_PER_STEP = 0.001F;

    void processEntity(Entity& entity) override;

private:
    Ref<ComponentType> _detectedLookup;
    Ref<ComponentType> _bodyLookup;
};

} // namespace tarvex::game
