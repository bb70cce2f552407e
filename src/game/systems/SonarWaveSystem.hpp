// Moves nothing itself (the pulse's body does that) but reveals every live submarine the sonar
// pulse's band passes over, and removes the pulse once it leaves the bottom of the screen, which
// frees the "sonar_wave" tag for the next pulse.
#pragma once

#include "entities/EntityProcessingSystem.hpp"
#include "graphics/SpriteRenderingService.hpp"
#include "resources/ResourceService.hpp"
#include "session/SessionDbService.hpp"

namespace tarvex::game {

class BodyComponent;

class SonarWaveSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(SonarWaveSystem, EntityProcessingSystem)
public:
    // The lookups, then the services.
    void initialize() override;
    void processEntity(Entity& entity) override;
    // Only the vertical position counts: the band spans the screen. Strict on both sides.
    [[nodiscard]] virtual bool bodyOverlaps(const BodyComponent* wave,
                                            const BodyComponent* other) const;

private:
    Ref<ResourceService> _resourceDb;
    Ref<SessionDbService> _sessionDb;
    Ref<graphics::SpriteRenderingService> _renderer;
    Ref<ComponentType> _submarineLookup;
    Ref<ComponentType> _bodyLookup;
    Ref<ComponentType> _detectedLookup;
    Ref<ComponentType> _destroyedLookup;
};

} // namespace tarvex::game
