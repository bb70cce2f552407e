// What happens when something sinking reaches the bottom: it stops dead (velocities and
// accelerations to 0), there is an explosion sound and the camera shakes. The pieces of the
// destroyed boat and sinking submarine wrecks land this way, each on its own depth.
//
//     if (landWreck(*body, SEA_FLOOR, _audioDb.get(), _effectsDb.get())) {
//         // the wreck has just landed
//     }
#pragma once

#include "audio/AudioService.hpp"
#include "game/components/BodyComponent.hpp"
#include "graphics/ScreenEffectsService.hpp"

namespace tarvex::game {

// Lands the body when it is at or below `floor` and still moving down; true when it did. The
// sound and the shake are skipped for a service that is missing.
bool landWreck(BodyComponent& body, float floor, AudioService* audio,
               graphics::ScreenEffectsService* effects);

} // namespace tarvex::game
