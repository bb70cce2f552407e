// Brings new submarines in during play. Every 100 ms of game time one chance in twenty goes on
// to count the submarines in the world (wrecks included) and, while there are fewer than twice
// the level's enemies to destroy, creates one at a random depth at one side of the screen,
// cruising across, with its propeller. On sonar levels a new submarine is invisible and its
// propeller makes no bubbles.
#pragma once

#include "entities/IntervalEntitySystem.hpp"
#include "graphics/SpriteRenderingService.hpp"
#include "session/SessionDbService.hpp"

namespace tarvex::game {

class SubmarineSpawnerSystem : public IntervalEntitySystem {
    TARVEX_OBJECT(SubmarineSpawnerSystem, IntervalEntitySystem)
public:
    static constexpr float SPAWN_INTERVAL = 100.0F; // ms

    SubmarineSpawnerSystem() : IntervalEntitySystem(SPAWN_INTERVAL) {}

    // The lookups, the interval, then the services.
    void initialize() override;
    void processEntities(const Bag<Entity>& entities) override;

    // Submarines in the world, sinking ones included.
    [[nodiscard]] std::int32_t countSubmarines() const;
    // A submarine of the current level and its propeller; answers the submarine.
    Ref<Entity> createSubmarine();

private:
    Ref<ComponentType> _bodyLookup;
    Ref<ComponentType> _subLookup;
    Ref<graphics::SpriteRenderingService> _renderer;
    Ref<SessionDbService> _sessionDb;
};

} // namespace tarvex::game
