#include "resources/SoundResource.hpp"

#include "core/DebugLog.hpp"
#include "core/TypeBuilder.hpp"
#include "resources/BrixFileUtil.hpp"

namespace tarvex {

const Type& SoundResource::staticType() {
    static const Type& type = TypeBuilder<SoundResource>("SoundResource")
                                  .meta("resource_type", "sound")
                                  .field("_sound", &SoundResource::_sound)
                                  .field("_loadFlags", &SoundResource::_loadFlags)
                                  .build();
    return type;
}

Ref<platform::Sound> SoundResource::getSound() {
    (void)get();
    return _sound;
}

void SoundResource::_loadDefinition() {
    if (BrixFile_Util::LowerCase(_setting("looped", "0")) == "true") {
        _loadFlags |= platform::SOUND_LOOP;
    }
}

void SoundResource::_load() {
    const std::string& file = _assetFile();
    _sound = platform::Sound::load(file, _loadFlags);
    if (!_sound) {
        debugLog("Could not load sound file: " + file);
        _reportUnreadable(file);
    }
}

} // namespace tarvex
