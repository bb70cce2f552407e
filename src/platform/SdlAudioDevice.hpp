// The SDL audio output behind the "FreeAudio" driver: an SDL audio device at the requested
// rate, 16-bit stereo, whose callback pulls frames from the device's mixer.
#pragma once

#include "platform/AudioDevice.hpp"

namespace tarvex::platform {

// Null when SDL has no audio output to offer (no driver, no device).
[[nodiscard]] Ref<AudioDevice> openSdlAudioDevice(int sampleRate = AudioMixer::DEFAULT_RATE);

} // namespace tarvex::platform
