#include "game/components/WildlifeComponents.hpp"

#include "core/TypeBuilder.hpp"

namespace tarvex::game {

const Type& FishComponent::staticType() {
    static const Type& type = TypeBuilder<FishComponent>("FishComponent")
                                  .meta("name", "fish")
                                  .field("direction", &FishComponent::direction)
                                  .field("_startX", &FishComponent::_startX)
                                  .field("_startY", &FishComponent::_startY)
                                  .field("_xOffset", &FishComponent::_xOffset)
                                  .field("_waveOffset", &FishComponent::_waveOffset)
                                  .build();
    return type;
}

const Type& MineComponent::staticType() {
    static const Type& type = TypeBuilder<MineComponent>("MineComponent")
                                  .meta("name", "mine")
                                  .field("time_remaining", &MineComponent::time_remaining)
                                  .build();
    return type;
}

const Type& MineLayerComponent::staticType() {
    static const Type& type = TypeBuilder<MineLayerComponent>("MineLayerComponent")
                                  .meta("name", "mine_layer")
                                  .field("has_dropped_mine", &MineLayerComponent::has_dropped_mine)
                                  .build();
    return type;
}

const Type& CloudComponent::staticType() {
    static const Type& type =
        TypeBuilder<CloudComponent>("CloudComponent").meta("name", "cloud").build();
    return type;
}

} // namespace tarvex::game
