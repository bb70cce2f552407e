// Fires the submarines' missiles. Each live submarine counts its missile countdown down by the
// step time; once it has run out, and while the submarine is wholly on screen, two dice are
// rolled every step and a total no greater than the submarine's aggression fires a missile
// straight up from its middle and sets the countdown to 2500 ms. Aggression 0 (or below 2)
// never fires; 12 fires every 2.5 seconds.
#pragma once

#include "audio/AudioService.hpp"
#include "entities/EntityProcessingSystem.hpp"

namespace tarvex::game {

class BodyComponent;

class SubmarineAiSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(SubmarineAiSystem, EntityProcessingSystem)
public:
    static constexpr float MISSILE_INTERVAL = 2500; // ms between two missiles of one submarine

    // The lookups, then the services.
    void initialize() override;
    void processEntity(Entity& entity) override;

    // The sum of two six-sided dice, drawn from the game's random source.
    [[nodiscard]] static std::int32_t rollDice();
    // A missile rising from the middle of the submarine's body; answers it.
    Ref<Entity> fireMissile(const BodyComponent& submarine);

private:
    Ref<AudioService> _audioDb;
    Ref<ComponentType> _submarineLookup;
    Ref<ComponentType> _bodyLookup;
    Ref<ComponentType> _destroyedLookup;
};

} // namespace tarvex::game
