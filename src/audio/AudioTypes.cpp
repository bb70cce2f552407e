#include "audio/AudioTypes.hpp"

#include "audio/AudioService.hpp"
#include "core/TypeRegistry.hpp"
#include "resources/ResourceTypes.hpp"

namespace tarvex {

void registerAudioTypes() {
    registerResourceTypes();
    TypeRegistry::instance().add<BaseEffect, ChangeVolumeEffect, ChangeRateEffect, AudioService>();
}

} // namespace tarvex
