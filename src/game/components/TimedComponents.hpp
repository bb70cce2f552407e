// Components that count time down (or up) for their entity: a lifespan after which it is
// deleted, a spell of immunity after damage, and the fading of a score fly-off.
#pragma once

#include "entities/EntityComponent.hpp"

namespace tarvex::game {

class LifespanComponent : public EntityComponent {
    TARVEX_OBJECT(LifespanComponent, EntityComponent)
public:
    // Deleted once `milliseconds` old.
    [[nodiscard]] static Ref<LifespanComponent> Create(float milliseconds);

    float delete_after = 0;  // ms of age at which the entity is deleted
    float _current_time = 0; // ms of age so far
};

class RecentlyDamagedComponent : public EntityComponent {
    TARVEX_OBJECT(RecentlyDamagedComponent, EntityComponent)
public:
    [[nodiscard]] static Ref<RecentlyDamagedComponent> Create(float milliseconds);

    float damage_timer = 0; // ms of immunity left
};

// Marks a floating score label that fades out and deletes itself.
class ScoreFlyoffComponent : public EntityComponent {
    TARVEX_OBJECT(ScoreFlyoffComponent, EntityComponent)
};

} // namespace tarvex::game
