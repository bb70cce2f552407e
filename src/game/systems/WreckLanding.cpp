#include "game/systems/WreckLanding.hpp"

namespace tarvex::game {

bool landWreck(BodyComponent& body, float floor, AudioService* audio,
               graphics::ScreenEffectsService* effects) {
    const bool landing = body.y_pos >= floor && body.y_velocity > 0;
    if (!landing) {
        return false;
    }
    body.y_acceleration = 0;
    body.y_velocity = 0;
    body.x_velocity = 0;
    body.x_acceleration = 0;
    if (audio != nullptr) {
        audio->playRandomSoundByName("depthrun.sounds.explode*");
    }
    if (effects != nullptr) {
        effects->pushAction(std::make_shared<graphics::ShakeCameraAction>());
    }
    return true;
}

} // namespace tarvex::game
