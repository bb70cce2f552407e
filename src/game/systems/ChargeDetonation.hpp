// Sets off a depth charge where it is: the explosion sound, eight blast pieces that hurt
// enemies (each marked with the charge's unique id, so that the submarines one blast destroys
// can be counted together), and the charge itself hidden, stopped, no longer live, its bubble
// trail stopped, and deleted four seconds later. Shared by the boat's Space key and the sea
// floor.
#pragma once

#include "audio/AudioService.hpp"
#include "entities/Entity.hpp"

namespace tarvex::game {

void detonateDepthCharge(Entity& charge, AudioService* audio);

} // namespace tarvex::game
