// Creates the level's fish, all at once, when the system is enabled (the gameplay screen starts
// it when play begins): each at a random place below the surface, swimming left or right at a
// random slow speed. Its periodic run does nothing.
#pragma once

#include "entities/IntervalEntitySystem.hpp"
#include "graphics/SpriteRenderingService.hpp"
#include "session/SessionDbService.hpp"

namespace tarvex::game {

class FishSpawnerSystem : public IntervalEntitySystem {
    TARVEX_OBJECT(FishSpawnerSystem, IntervalEntitySystem)
public:
    FishSpawnerSystem() : IntervalEntitySystem(100.0F) {}

    // The lookups, then the services.
    void initialize() override;
    void processEntities(const Bag<Entity>& /*entities*/) override {}
    // The current level's number of fish.
    void onEnabled() override;
    void onDisabled() override;

    // One fish in the group "wildlife"; answers it.
    Ref<Entity> createFish();

private:
    Ref<graphics::SpriteRenderingService> _renderer;
    Ref<SessionDbService> _sessionDb;
};

} // namespace tarvex::game
