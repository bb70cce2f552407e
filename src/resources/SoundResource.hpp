// A sound effect or music track (WAV or Ogg Vorbis), decoded into memory when loaded:
//
//     [t:resource, n:title] { type = sound; file = title.ogg; looped = true; }
//
// `looped` loops the sound only when it reads "true" in any case; "1" and every other text
// leave it unlooped. Decoding may happen on the loader's worker thread; the decoded sound is
// immutable and may play on many mixer channels at once.
#pragma once

#include "platform/Sound.hpp"
#include "resources/BaseResource.hpp"

#include <cstdint>

namespace tarvex {

class SoundResource : public BaseResource {
    TARVEX_OBJECT(SoundResource, BaseResource)
public:
    // The sound, read first when needed; null when the file could not be read.
    [[nodiscard]] Ref<platform::Sound> getSound();
    // The platform's sound flags (SOUND_LOOP) the file is loaded with.
    [[nodiscard]] std::int32_t getLoadFlags() const { return _loadFlags; }

protected:
    void _loadDefinition() override;
    void _load() override;
    void _free() override { _sound = nullptr; }
    [[nodiscard]] ObjectRef _get() override { return _sound; }

private:
    Ref<platform::Sound> _sound;
    std::int32_t _loadFlags = 0;
};

} // namespace tarvex
