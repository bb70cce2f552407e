// Runs the mines. A mine falls until it reaches the water (y 68), where it splashes and floats;
// a floating mine counts its `time_remaining` down by one each frame, flashes faster at 500 and
// at 200, and at 0 splashes again and explodes. A mine whose top-left point is inside the
// boat explodes at once. The countdown is kept in frames, as the mine's data says: at the
// game's fixed 60 frames a second a mine floats for about 17 seconds.
#pragma once

#include "audio/AudioService.hpp"
#include "entities/EntityProcessingSystem.hpp"

namespace tarvex::game {

class BodyComponent;

class MineUpdaterSystem : public EntityProcessingSystem {
    TARVEX_OBJECT(MineUpdaterSystem, EntityProcessingSystem)
public:
    static constexpr float WATER_LINE = 68; // where a falling mine lands
    static constexpr std::int32_t FLASH_MEDIUM_AT = 500;
    static constexpr std::int32_t FLASH_FAST_AT = 200;

    // The lookups, then the services.
    void initialize() override;
    void processEntity(Entity& entity) override;

    // Whether the mine's top-left point lies strictly inside the boat's sprite.
    [[nodiscard]] bool collidedWithPlayer(const BodyComponent& mine) const;
    // The sound, four pieces that can hurt the boat, and the mine queued for deletion.
    void detonateMine(Entity& mine, const BodyComponent& body);

private:
    void _splash(const BodyComponent& mine);

    Ref<AudioService> _audioDb;
    Ref<ComponentType> _mineLookup;
    Ref<ComponentType> _bodyLookup;
};

} // namespace tarvex::game
