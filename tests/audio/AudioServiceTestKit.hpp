// A kernel with a resource service and an audio service, sounds served from memory, and an
// audio device that mixes only when a test pulls frames from it, so tests hear exactly what
// the service played. Each test sound holds one constant sample value, so the value a test
// reads back tells which sounds are playing and how loud.
#pragma once

#include "audio/AudioService.hpp"
#include "kernel/GameKernel.hpp"
#include "platform/AudioDevice.hpp"
#include "resources/ResourceService.hpp"

#include <cstdint>
#include <string>
#include <vector>

namespace tarvex::testing {

// Mixes nothing by itself: pull() runs the mixer on the calling thread.
class PulledAudioDevice : public platform::AudioDevice {
public:
    PulledAudioDevice() : AudioDevice(44100) {}
    [[nodiscard]] bool isSilent() const override { return true; }
    [[nodiscard]] bool isOpen() const override { return _open; }
    void close() override { _open = false; }

    // The left samples of the next `frames` frames.
    std::vector<std::int16_t> pull(std::size_t frames);

private:
    bool _open = true;
};

// Sample values of the test sounds, all 44100 Hz mono.
inline constexpr std::int16_t BEEP = 1000;     // "t.sounds.beep", 100 frames
inline constexpr std::int16_t SPLASH_1 = 100;  // "t.sounds.splash1", 50 frames
inline constexpr std::int16_t SPLASH_2 = 200;  // "t.sounds.splash2", 50 frames
inline constexpr std::int16_t MUSIC_1 = 10000; // "t.music.one", one second, looped
inline constexpr std::int16_t MUSIC_2 = 20000; // "t.music.two", one second, looped
// "t.music.ramp": looped, frame i holds RAMP_STEP * i, RAMP_FRAMES frames.
inline constexpr std::int16_t RAMP_STEP = 10;
inline constexpr int RAMP_FRAMES = 3000;
// Also defined: "t.sounds.xsplash1" (matches no splash pattern), "t.sounds.missing" (no
// file), "t.sounds.truncated" (a WAV cut short), "t.sounds.corrupt" (Ogg magic, then noise).

class AudioServiceKit {
public:
    // Installs the pulled device as the audio device (restored by the destructor), adds the
    // resource service and the audio service to a new kernel, and registers the test sounds.
    AudioServiceKit();
    ~AudioServiceKit();
    AudioServiceKit(const AudioServiceKit&) = delete;
    AudioServiceKit& operator=(const AudioServiceKit&) = delete;

    GameKernel kernel;
    Ref<ResourceService> resources;
    Ref<AudioService> audio;
    Ref<PulledAudioDevice> device;
};

} // namespace tarvex::testing
