// Sends mine-laying planes across the sky during play. Every 100 ms, on a level that allows
// mines, while fewer mines than the level's mine frequency are in the world and no plane is
// about, one chance in twenty sends a plane in from the left edge (about one every two seconds
// once the other conditions hold).
#pragma once

#include "audio/AudioService.hpp"
#include "entities/IntervalEntitySystem.hpp"
#include "graphics/SpriteRenderingService.hpp"
#include "session/SessionDbService.hpp"

namespace tarvex::game {

class PlaneSpawnerSystem : public IntervalEntitySystem {
    TARVEX_OBJECT(PlaneSpawnerSystem, IntervalEntitySystem)
public:
    static constexpr float SPAWN_INTERVAL = 100.0F; // ms

    PlaneSpawnerSystem() : IntervalEntitySystem(SPAWN_INTERVAL) {}

    // The lookups, then the services.
    void initialize() override;
    void processEntities(const Bag<Entity>& entities) override;

    // The plane, tagged "plane", entering at the left edge; answers it.
    Ref<Entity> createMineLayer();

private:
    Ref<graphics::SpriteRenderingService> _renderer;
    Ref<SessionDbService> _sessionDb;
    Ref<AudioService> _audioDb;
    Ref<ComponentType> _mineLookup;
};

} // namespace tarvex::game
