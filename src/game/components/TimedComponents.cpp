#include "game/components/TimedComponents.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::game {

const Type& LifespanComponent::staticType() {
    static const Type& type = TypeBuilder<LifespanComponent>("LifespanComponent")
                                  .meta("name", "lifespan")
                                  .field("delete_after", &LifespanComponent::delete_after)
                                  .field("_current_time", &LifespanComponent::_current_time)
                                  .build();
    return type;
}

Ref<LifespanComponent> LifespanComponent::Create(float milliseconds) {
    auto component = std::make_shared<LifespanComponent>();
    component->delete_after = milliseconds;
    return component;
}

const Type& RecentlyDamagedComponent::staticType() {
    static const Type& type = TypeBuilder<RecentlyDamagedComponent>("RecentlyDamagedComponent")
                                  .meta("name", "recently_damaged")
                                  .field("damage_timer", &RecentlyDamagedComponent::damage_timer)
                                  .build();
    return type;
}

Ref<RecentlyDamagedComponent> RecentlyDamagedComponent::Create(float milliseconds) {
    auto component = std::make_shared<RecentlyDamagedComponent>();
    component->damage_timer = milliseconds;
    return component;
}

const Type& ScoreFlyoffComponent::staticType() {
    static const Type& type = TypeBuilder<ScoreFlyoffComponent>("ScoreFlyoffComponent")
                                  .meta("name", "score_flyoff")
                                  .build();
    return type;
}

} // namespace tarvex::game
